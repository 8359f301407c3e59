#pragma once
#include "mime/MimeCodec.h"
#include <memory>

using MimeCodecFactory = std::unique_ptr<CMimeCodec> (*)();

// A new codec for a "Content-Transfer-Encoding" value; unknown, empty and null names give the identity codec.
std::unique_ptr<CMimeCodec> CreateCodec(const char* pszName);
// Replaces every entry of that name; a null factory only removes. Call at start-up, before parsing threads run.
void RegisterCodec(const char* pszName, MimeCodecFactory pfnFactory);
