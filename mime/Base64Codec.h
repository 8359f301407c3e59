#pragma once
#include "mime/MimeCodec.h"

class CBase64Codec : public CMimeCodec {
public:
    void SetAddLineBreak(bool bAdd) { m_bAddLineBreak = bAdd; }

    int32_t GetEncodeLength() const override;
    int32_t GetDecodeLength() const override;
    int32_t Encode(char* pOut, int32_t nCapacity) const override;
    int32_t Decode(char* pOut, int32_t nCapacity) const override;

    // Shared with encoded words, which use base64 without line breaks.
    static int32_t DecodeBytes(const char* pIn, int32_t nLength, char* pOut, int32_t nCapacity);
    static int32_t EncodeBytes(const char* pIn, int32_t nLength, char* pOut, int32_t nCapacity, bool bLineBreaks);
    static int32_t EncodeBound(int64_t nLength, bool bLineBreaks);

private:
    bool m_bAddLineBreak = true;
};
