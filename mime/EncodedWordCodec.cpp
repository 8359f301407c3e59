#include "mime/EncodedWordCodec.h"

#include "mime/Base64Codec.h"
#include "mime/ByteSearch.h"
#include "mime/MimeCharClass.h"
#include "mime/QuotedPrintableCodec.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {
// A word is "=?" charset "?" letter "?" text "?=" and at most 75 characters, so the charset must leave
// room for text; longer charset names are not written as encoded words at all.
constexpr size_t kMaxWordCharset = 63;

bool IsQPlain(unsigned char c) { return c >= 0x21 && c <= 0x7E && c != '=' && c != '?' && c != '_'; }

bool IsAllWhiteSpace(const char* p, int64_t n)
{
    return std::all_of(p, p + n, [](char c) { return MimeIsWhiteSpace(static_cast<unsigned char>(c)); });
}
}

void CEncodedWordCodec::SetEncoding(int32_t nLetter, const std::string& strCharset)
{
    m_nEncoding = nLetter;
    m_strCharset = strCharset;
}

bool CEncodedWordCodec::CanWriteWords() const
{
    return m_nInputLength > 0 && !m_strCharset.empty() && m_strCharset.size() <= kMaxWordCharset;
}

int32_t CEncodedWordCodec::GetEncodeLength() const
{
    if (m_nInputLength <= 0)
        return 0;
    if (!CanWriteWords())
        return m_nInputLength;
    const int64_t cs = static_cast<int64_t>(m_strCharset.size());
    int64_t b;
    if (IsBase64()) {
        b = CBase64Codec::EncodeBound(m_nInputLength, false);
    } else {
        int64_t k = 0;
        for (int32_t i = 0; i < m_nInputLength; ++i)
            k += MimeIsAlnum(static_cast<unsigned char>(m_pInput[i])) ? 0 : 1;
        b = CQuotedPrintableCodec::EncodeBound(m_nInputLength, k);
    }
    return MimeClampLength(b + (cs + 11) * (b / (64 - cs) + 1));
}

int32_t CEncodedWordCodec::Encode(char* pOut, int32_t nCapacity) const
{
    if (m_nInputLength <= 0)
        return 0;
    if (!CanWriteWords())
        return CMimeCodec::Encode(pOut, nCapacity);
    return IsBase64() ? EncodeB(pOut, nCapacity) : EncodeQ(pOut, nCapacity);
}

int32_t CEncodedWordCodec::WriteWordStart(char* pOut, char chLetter) const
{
    const size_t cs = m_strCharset.size();
    pOut[0] = '=';
    pOut[1] = '?';
    std::memcpy(pOut + 2, m_strCharset.data(), cs);
    pOut[cs + 2] = '?';
    pOut[cs + 3] = chLetter;
    pOut[cs + 4] = '?';
    return static_cast<int32_t>(cs + 5);
}

int32_t CEncodedWordCodec::EncodeB(char* pOut, int32_t nCapacity) const
{
    const int32_t cs = static_cast<int32_t>(m_strCharset.size());
    const int32_t nPerWord = ((68 - cs) / 4) * 3;
    int32_t o = 0;
    for (int32_t i = 0; i < m_nInputLength; i += nPerWord) {
        const int32_t nSeparator = i > 0 ? 1 : 0;
        if (nCapacity - o < cs + 7 + nSeparator)
            break;
        if (nSeparator)
            pOut[o++] = ' ';
        o += WriteWordStart(pOut + o, 'B');
        const int32_t nChunk = std::min(nPerWord, m_nInputLength - i);
        o += CBase64Codec::EncodeBytes(m_pInput + i, nChunk, pOut + o, nCapacity - o - 2, false);
        pOut[o++] = '?';
        pOut[o++] = '=';
    }
    return o;
}

int32_t CEncodedWordCodec::EncodeQ(char* pOut, int32_t nCapacity) const
{
    const int32_t cs = static_cast<int32_t>(m_strCharset.size());
    const int32_t nMaxText = 68 - cs;
    if (nCapacity < cs + 7)
        return 0;
    int32_t o = WriteWordStart(pOut, 'Q');
    int32_t nText = 0;
    for (int32_t i = 0; i < m_nInputLength; ++i) {
        const auto c = static_cast<unsigned char>(m_pInput[i]);
        const int32_t w = IsQPlain(c) ? 1 : 3;
        if (nText + w > nMaxText) {
            if (nCapacity - o < 3 + cs + 7)
                break;
            std::memcpy(pOut + o, "?= ", 3);
            o += 3;
            o += WriteWordStart(pOut + o, 'Q');
            nText = 0;
        }
        if (nCapacity - o < w + 2) // keep room for the closing "?="
            break;
        if (w == 1) {
            pOut[o++] = static_cast<char>(c);
        } else {
            pOut[o++] = '=';
            pOut[o++] = kMimeHexDigits[c >> 4];
            pOut[o++] = kMimeHexDigits[c & 0xF];
        }
        nText += w;
    }
    pOut[o++] = '?';
    pOut[o++] = '=';
    return o;
}

int32_t CEncodedWordCodec::Decode(char* pOut, int32_t nCapacity) const
{
    m_strCharset.clear();
    const char* in = m_pInput;
    const int64_t n = m_nInputLength;
    int64_t p = 0;
    int32_t o = 0;
    while (p < n && o < nCapacity) {
        if (nCapacity - o > 2 && p + 1 < n && in[p] == '=' && in[p + 1] == '?') {
            int64_t q = p + 2;
            while (q < n && in[q] != '?' && in[q] != '\0')
                ++q;
            const int64_t nText = q + 3;
            if (q < n && in[q] == '?' && nText < n && in[q + 2] == '?') {
                const char chLetter = MimeToLower(in[q + 1]);
                if (m_strCharset.empty()) {
                    m_strCharset.assign(in + p + 2, static_cast<size_t>(q - p - 2));
                    m_nEncoding = chLetter;
                }
                const int64_t nEnd = [&] { const int64_t e = MimeFindBytes(in, nText, n, "?="); return e < 0 ? n : e; }();
                const auto nTextLength = static_cast<int32_t>(nEnd - nText);
                if (chLetter == 'b' || chLetter == 'q') {
                    o += chLetter == 'b' ? CBase64Codec::DecodeBytes(in + nText, nTextLength, pOut + o, nCapacity - o)
                                         : CQuotedPrintableCodec::DecodeBytes(in + nText, nTextLength, pOut + o,
                                                                              nCapacity - o, true);
                    p = std::min(nEnd + 2, n);
                    continue;
                }
            }
        }
        const int64_t nNext = MimeFindBytes(in, p + 1, n, "=?");
        const int64_t nRunEnd = nNext < 0 ? n : nNext;
        if (!(p > 0 && nNext >= 0 && IsAllWhiteSpace(in + p, nRunEnd - p))) {
            const int64_t nCopy = std::min<int64_t>(nRunEnd - p, nCapacity - o);
            std::memcpy(pOut + o, in + p, static_cast<size_t>(nCopy));
            o += static_cast<int32_t>(nCopy);
        }
        p = nRunEnd;
    }
    return o;
}
