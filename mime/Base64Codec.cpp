#include "mime/Base64Codec.h"

#include <array>

namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr int32_t kLineChars = 76;
constexpr uint8_t kSkip = 0x40; // CR and LF
constexpr uint8_t kStop = 0x80; // any other byte outside the alphabet

constexpr std::array<uint8_t, 256> MakeDecodeTable()
{
    std::array<uint8_t, 256> table{};
    for (auto& v : table)
        v = kStop;
    for (uint8_t i = 0; i < 64; ++i)
        table[static_cast<unsigned char>(kAlphabet[i])] = i;
    table['\r'] = kSkip;
    table['\n'] = kSkip;
    return table;
}
constexpr std::array<uint8_t, 256> kDecode = MakeDecodeTable();

// Writes up to 4 characters of one group, as many as fit.
int32_t PutChars(const char* chars, int32_t nCount, char* pOut, int32_t nCapacity, int32_t o)
{
    for (int32_t j = 0; j < nCount && o < nCapacity; ++j)
        pOut[o++] = chars[j];
    return o;
}
}

int32_t CBase64Codec::EncodeBound(int64_t nLength, bool bLineBreaks)
{
    const int64_t r = (nLength + 2) / 3 * 4;
    return MimeClampLength(bLineBreaks ? r + (r / kLineChars) * 2 + 2 : r);
}

int32_t CBase64Codec::GetEncodeLength() const { return EncodeBound(m_nInputLength, m_bAddLineBreak); }

int32_t CBase64Codec::GetDecodeLength() const { return MimeClampLength(int64_t{m_nInputLength} * 3 / 4 + 2); }

int32_t CBase64Codec::Encode(char* pOut, int32_t nCapacity) const
{
    return EncodeBytes(m_pInput, m_nInputLength, pOut, nCapacity, m_bAddLineBreak);
}

int32_t CBase64Codec::Decode(char* pOut, int32_t nCapacity) const
{
    return DecodeBytes(m_pInput, m_nInputLength, pOut, nCapacity);
}

int32_t CBase64Codec::EncodeBytes(const char* pIn, int32_t nLength, char* pOut, int32_t nCapacity, bool bLineBreaks)
{
    const auto* in = reinterpret_cast<const unsigned char*>(pIn);
    int32_t o = 0;
    int32_t nLine = 0;
    for (int32_t i = 0; i < nLength && o < nCapacity; i += 3) {
        const int32_t nGroup = nLength - i < 3 ? nLength - i : 3;
        const uint32_t v = (uint32_t{in[i]} << 16) | (nGroup > 1 ? uint32_t{in[i + 1]} << 8 : 0) |
                           (nGroup > 2 ? uint32_t{in[i + 2]} : 0);
        const char chars[4] = {kAlphabet[v >> 18], kAlphabet[(v >> 12) & 63], kAlphabet[(v >> 6) & 63],
                               kAlphabet[v & 63]};
        o = PutChars(chars, nGroup + 1, pOut, nCapacity, o);
        if (nGroup < 3 && nCapacity - o >= 3 - nGroup)
            o = PutChars("==", 3 - nGroup, pOut, nCapacity, o);
        nLine += 4;
        if (bLineBreaks && nLine >= kLineChars) {
            if (nCapacity - o >= 2)
                o = PutChars("\r\n", 2, pOut, nCapacity, o);
            nLine = 0;
        }
    }
    if (bLineBreaks && nLine > 0 && nCapacity - o >= 2)
        o = PutChars("\r\n", 2, pOut, nCapacity, o);
    return o;
}

int32_t CBase64Codec::DecodeBytes(const char* pIn, int32_t nLength, char* pOut, int32_t nCapacity)
{
    const auto* in = reinterpret_cast<const unsigned char*>(pIn);
    int32_t i = 0;
    int32_t o = 0;
    uint32_t nBits = 0;
    uint32_t nAcc = 0;
    while (i < nLength && o < nCapacity) {
        // Whole groups of four alphabet characters, the common case, three bytes at a time.
        while (nBits == 0 && nLength - i >= 4 && nCapacity - o >= 3) {
            const uint32_t a = kDecode[in[i]], b = kDecode[in[i + 1]], c = kDecode[in[i + 2]], d = kDecode[in[i + 3]];
            if ((a | b | c | d) >= 64)
                break;
            const uint32_t v = (a << 18) | (b << 12) | (c << 6) | d;
            pOut[o] = static_cast<char>(v >> 16);
            pOut[o + 1] = static_cast<char>(v >> 8);
            pOut[o + 2] = static_cast<char>(v);
            o += 3;
            i += 4;
        }
        if (i >= nLength || o >= nCapacity)
            break;
        const uint8_t v = kDecode[in[i++]];
        if (v == kSkip)
            continue;
        if (v == kStop)
            break;
        nAcc = (nAcc << 6) | v;
        nBits += 6;
        if (nBits >= 8) {
            nBits -= 8;
            pOut[o++] = static_cast<char>(nAcc >> nBits);
            nAcc &= (1u << nBits) - 1;
        }
    }
    return o;
}
