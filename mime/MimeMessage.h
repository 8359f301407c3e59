#pragma once
#include "mime/MimeBody.h"

// A whole message: the top-level part.
class CMimeMessage : public CMimeBody {
public:
    CMimeMessage() = default;
    ~CMimeMessage() override = default;
};
