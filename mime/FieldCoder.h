#pragma once
#include "mime/MimeCodec.h"
#include <string>

// Decodes a raw header value (encoded words) and encodes a stored value back into header text.
class CFieldCoder : public CMimeCodec {
public:
    int32_t GetEncodeLength() const override;
    int32_t Encode(char* pOut, int32_t nCapacity) const override;
    int32_t Decode(char* pOut, int32_t nCapacity) const override;
    virtual bool IsFoldingChar(char /*ch*/) const { return false; }
    virtual int GetDelimiter() const { return 0; }

    void SetCharset(const std::string& strCharset) { m_strCharset = strCharset; }
    const std::string& GetCharset() const { return m_strCharset; }

    // Length of the next word; counts its bytes >= 0x80; nState is 0 or the byte that closes an open construct.
    static int32_t FindWordEnd(const char* pText, int32_t nLength, int32_t& nNonAscii, int& nState);

private:
    struct Word;
    template <typename Visit> void ForEachWord(Visit&& visit) const;
    const std::string& EffectiveCharset() const;
    std::string EncodeWord(const char* pWord, int32_t nLength, int32_t nNonAscii) const;

    mutable std::string m_strCharset;
};

class CTextFieldCoder : public CFieldCoder {
public:
    int GetDelimiter() const override { return 255; }
};

class CAddressFieldCoder : public CFieldCoder {
public:
    bool IsFoldingChar(char ch) const override { return ch == ',' || ch == ':'; }
};

class CParameterFieldCoder : public CFieldCoder {
public:
    bool IsFoldingChar(char ch) const override { return ch == ';'; }
};
