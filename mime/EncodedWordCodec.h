#pragma once
#include "mime/MimeCodec.h"
#include <string>

// RFC 2047 encoded words (=?charset?B?text?= and =?charset?Q?text?=) in header text.
class CEncodedWordCodec : public CMimeCodec {
public:
    void SetEncoding(int32_t nLetter, const std::string& strCharset);
    int32_t GetEncoding() const { return m_nEncoding; }
    const std::string& GetCharset() const { return m_strCharset; }

    int32_t GetEncodeLength() const override;
    int32_t Encode(char* pOut, int32_t nCapacity) const override;
    // Records the charset and the lower-case letter of the first encoded word.
    int32_t Decode(char* pOut, int32_t nCapacity) const override;

private:
    bool IsBase64() const { return m_nEncoding == 'B' || m_nEncoding == 'b'; }
    bool CanWriteWords() const;
    int32_t EncodeB(char* pOut, int32_t nCapacity) const;
    int32_t EncodeQ(char* pOut, int32_t nCapacity) const;
    int32_t WriteWordStart(char* pOut, char chLetter) const;

    mutable int32_t m_nEncoding = 0;
    mutable std::string m_strCharset;
};
