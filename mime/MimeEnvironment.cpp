#include "mime/MimeEnvironment.h"

std::string g_strDefaultCharset;
bool g_bAutoFolding = false;
