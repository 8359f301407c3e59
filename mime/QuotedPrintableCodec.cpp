#include "mime/QuotedPrintableCodec.h"

#include "mime/MimeCharClass.h"

#include <cstring>

namespace {
constexpr int32_t kMaxLine = 76;

bool IsPlainPrintable(unsigned char c) { return c >= 0x21 && c <= 0x7E && c != '='; }

bool IsLoneDot(const unsigned char* in, int32_t i, int32_t n)
{
    return i >= 2 && i + 2 < n && in[i - 2] == '\r' && in[i - 1] == '\n' && in[i + 1] == '\r' && in[i + 2] == '\n';
}

unsigned char Nibble(unsigned char c) { return static_cast<unsigned char>((c <= '9' ? c - '0' : c - 55) & 0xF); }
}

int32_t CQuotedPrintableCodec::EncodeBound(int64_t nLength, int64_t nNonAlnum)
{
    const int64_t b = nLength + 2 * nNonAlnum;
    return MimeClampLength(b + (b / 74) * 6);
}

int32_t CQuotedPrintableCodec::GetEncodeLength() const
{
    int64_t k = 0;
    for (int32_t i = 0; i < m_nInputLength; ++i)
        k += MimeIsAlnum(static_cast<unsigned char>(m_pInput[i])) ? 0 : 1;
    return EncodeBound(m_nInputLength, k);
}

int32_t CQuotedPrintableCodec::Encode(char* pOut, int32_t nCapacity) const
{
    const auto* in = reinterpret_cast<const unsigned char*>(m_pInput);
    const int32_t n = m_nInputLength;
    int32_t o = 0;
    int32_t nLine = 0;
    int32_t nSpace = -1; // output position of the last white space on this line
    for (int32_t i = 0; i < n && o < nCapacity; ++i) {
        const unsigned char c = in[i];
        bool bEscape;
        if (c == '\t' || c == ' ') {
            bEscape = i == n - 1 || (!m_bQuoteLineBreak && in[i + 1] == '\r');
            if (nLine > 0)
                nSpace = o;
        } else if (m_bQuoteLineBreak) {
            bEscape = !IsPlainPrintable(c);
        } else if (c == '\r' || c == '\n') {
            bEscape = false;
            nLine = -1;
            nSpace = -1;
        } else if (c == '.') {
            bEscape = IsLoneDot(in, i, n);
        } else {
            bEscape = !IsPlainPrintable(c);
        }
        const int32_t w = bEscape ? 3 : 1;
        if (nLine + w >= kMaxLine && nCapacity - o >= 3) {
            if (nSpace >= 0 && nSpace < o) {
                // Break after the last white space so that the word after it moves to the next line.
                const int32_t nMoved = o - (nSpace + 1);
                std::memmove(pOut + nSpace + 4, pOut + nSpace + 1, static_cast<size_t>(nMoved));
                std::memcpy(pOut + nSpace + 1, "=\r\n", 3);
                nLine = nMoved;
            } else {
                std::memcpy(pOut + o, "=\r\n", 3);
                nLine = 0;
            }
            o += 3;
            nSpace = -1;
        }
        if (!bEscape) {
            if (o >= nCapacity)
                break;
            pOut[o++] = static_cast<char>(c);
            nLine += 1;
        } else if (nCapacity - o >= 3) {
            pOut[o++] = '=';
            pOut[o++] = kMimeHexDigits[c >> 4];
            pOut[o++] = kMimeHexDigits[c & 0xF];
            nLine += 3;
        }
    }
    return o;
}

int32_t CQuotedPrintableCodec::Decode(char* pOut, int32_t nCapacity) const
{
    return DecodeBytes(m_pInput, m_nInputLength, pOut, nCapacity, false);
}

int32_t CQuotedPrintableCodec::DecodeBytes(const char* pIn, int32_t nLength, char* pOut, int32_t nCapacity,
                                           bool bUnderscoreIsSpace)
{
    const auto* in = reinterpret_cast<const unsigned char*>(pIn);
    int32_t i = 0;
    int32_t o = 0;
    while (i < nLength && o < nCapacity) {
        const unsigned char c = in[i];
        if (c != '=') {
            pOut[o++] = (bUnderscoreIsSpace && c == '_') ? ' ' : static_cast<char>(c);
            ++i;
            continue;
        }
        if (nLength - i - 1 < 2)
            break;
        const unsigned char a = in[i + 1];
        const unsigned char b = in[i + 2];
        if (MimeIsHexDigit(a)) {
            pOut[o++] = static_cast<char>((Nibble(a) << 4) | Nibble(b));
            i += 3;
        } else if (a == '\r' && b == '\n') {
            i += 3;
        } else {
            pOut[o++] = static_cast<char>(a);
            i += 2;
        }
    }
    return o;
}
