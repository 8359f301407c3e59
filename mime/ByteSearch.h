#pragma once
#include <cstdint>
#include <string_view>

// Offset of the first CR LF at or after nFrom within [0, nLength), or -1.
int64_t MimeFindCrLf(const char* pData, int64_t nFrom, int64_t nLength);
// Offset of the first occurrence of the needle at or after nFrom within [0, nLength), or -1; linear time.
int64_t MimeFindBytes(const char* pData, int64_t nFrom, int64_t nLength, std::string_view needle);
