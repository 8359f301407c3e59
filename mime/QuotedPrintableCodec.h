#pragma once
#include "mime/MimeCodec.h"

class CQuotedPrintableCodec : public CMimeCodec {
public:
    void SetQuoteLineBreak(bool bQuote) { m_bQuoteLineBreak = bQuote; }

    int32_t GetEncodeLength() const override;
    int32_t Encode(char* pOut, int32_t nCapacity) const override;
    int32_t Decode(char* pOut, int32_t nCapacity) const override;

    // The decoder shared with encoded words, where "_" stands for SPACE.
    static int32_t DecodeBytes(const char* pIn, int32_t nLength, char* pOut, int32_t nCapacity, bool bUnderscoreIsSpace);
    // The bound of Encode for an input of that length holding that many bytes that are not letters or digits.
    static int32_t EncodeBound(int64_t nLength, int64_t nNonAlnum);

private:
    bool m_bQuoteLineBreak = false;
};
