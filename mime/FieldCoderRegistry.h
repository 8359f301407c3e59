#pragma once
#include "mime/FieldCoder.h"
#include <memory>

using FieldCoderFactory = std::unique_ptr<CFieldCoder> (*)();

// A new coder for a header field name; names not registered get a plain CFieldCoder.
std::unique_ptr<CFieldCoder> CreateFieldCoder(const char* pszName);
// Replaces every entry of that name; a null factory only removes. Call at start-up, before parsing threads run.
void RegisterFieldCoder(const char* pszName, FieldCoderFactory pfnFactory);
