#include "mime/MimeCodec.h"

#include <algorithm>
#include <cstring>

namespace {
int32_t CopyInput(const char* pIn, int32_t nLength, char* pOut, int32_t nCapacity)
{
    const int32_t n = std::min(nCapacity, nLength);
    if (n <= 0)
        return 0;
    std::memcpy(pOut, pIn, static_cast<size_t>(n));
    return n;
}
}

int32_t CMimeCodec::GetEncodeLength() const { return m_nInputLength; }

int32_t CMimeCodec::GetDecodeLength() const { return m_nInputLength; }

int32_t CMimeCodec::Encode(char* pOut, int32_t nCapacity) const
{
    return CopyInput(m_pInput, m_nInputLength, pOut, nCapacity);
}

int32_t CMimeCodec::Decode(char* pOut, int32_t nCapacity) const
{
    return CopyInput(m_pInput, m_nInputLength, pOut, nCapacity);
}

void CMimeCodec::SetInput(const char* pInput, int32_t nLength, bool bEncoding)
{
    m_pInput = pInput;
    m_nInputLength = pInput ? std::max(nLength, 0) : 0;
    m_bEncoding = bEncoding;
}

int32_t CMimeCodec::GetOutputLength() const { return m_bEncoding ? GetEncodeLength() : GetDecodeLength(); }

int32_t CMimeCodec::GetOutput(char* pOut, int32_t nCapacity) const
{
    return m_bEncoding ? Encode(pOut, nCapacity) : Decode(pOut, nCapacity);
}
