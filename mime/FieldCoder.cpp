#include "mime/FieldCoder.h"

#include "mime/EncodedWordCodec.h"
#include "mime/MimeCharClass.h"
#include "mime/MimeEnvironment.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace {
constexpr int32_t kFoldLine = 76;

char ChooseLetter(int64_t n, int64_t k) { return ((n + 2) / 3 * 4 < n + 2 * k && n < 5 * k) ? 'B' : 'Q'; }

// Folded header lines become one line: each CR LF and the white space after it turn into one SPACE.
std::string::size_type Unfold(char* p, std::string::size_type n)
{
    std::string::size_type o = 0;
    for (std::string::size_type i = 0; i < n;) {
        if (p[i] == '\r' && i + 1 < n && p[i + 1] == '\n') {
            i += 2;
            while (i < n && MimeIsWhiteSpace(static_cast<unsigned char>(p[i])))
                ++i;
            p[o++] = ' ';
        } else {
            p[o++] = p[i++];
        }
    }
    return o;
}

// Copies a piece of encoded text into the output, breaking lines longer than 76 at white space.
class CFoldingWriter {
public:
    CFoldingWriter(char* pOut, int32_t nCapacity) : m_pOut(pOut), m_nCapacity(nCapacity) {}

    void Write(std::string_view piece, bool bFold)
    {
        if (!bFold) {
            const auto n = static_cast<int32_t>(std::min<size_t>(piece.size(), static_cast<size_t>(Room())));
            std::memcpy(m_pOut + m_nWritten, piece.data(), static_cast<size_t>(n));
            m_nWritten += n;
            return;
        }
        for (const char ch : piece) {
            if (Room() <= 0)
                return;
            const auto c = static_cast<unsigned char>(ch);
            if (c == '\r' || c == '\n') {
                m_nLine = -1;
                m_nSpace = -1;
            } else if (MimeIsWhiteSpace(c) && m_nLine > 0) {
                m_nSpace = m_nWritten;
            }
            if (m_nLine >= kFoldLine && m_nSpace >= 0 && Room() >= 3) {
                const int32_t nMoved = m_nWritten - m_nSpace;
                std::memmove(m_pOut + m_nSpace + 3, m_pOut + m_nSpace, static_cast<size_t>(nMoved));
                std::memcpy(m_pOut + m_nSpace, "\r\n\t", 3);
                m_nWritten += 3;
                m_nLine = nMoved + 1;
                m_nSpace = -1;
                if (Room() <= 0)
                    return;
            }
            m_pOut[m_nWritten++] = ch;
            ++m_nLine;
        }
    }

    void BreakLine()
    {
        if (Room() < 3)
            return;
        std::memcpy(m_pOut + m_nWritten, "\r\n\t", 3);
        m_nWritten += 3;
        m_nLine = 1;
        m_nSpace = -1;
    }

    int32_t Written() const { return m_nWritten; }

private:
    int32_t Room() const { return m_nCapacity - m_nWritten; }

    char* m_pOut;
    int32_t m_nCapacity;
    int32_t m_nWritten = 0;
    int32_t m_nLine = 0;
    int32_t m_nSpace = -1;
};
}

struct CFieldCoder::Word {
    const char* pText;
    int32_t nLength;
    int32_t nNonAscii;
    bool bHasSeparator;
    char chSeparator;
    bool bFoldAfter; // a folding separator with more input after it
};

int32_t CFieldCoder::FindWordEnd(const char* pText, int32_t nLength, int32_t& nNonAscii, int& nState)
{
    nNonAscii = 0;
    for (int32_t i = 0; i < nLength; ++i) {
        const auto c = static_cast<unsigned char>(pText[i]);
        if (c >= 0x80) {
            ++nNonAscii;
            continue;
        }
        if (c == nState) {
            nState = 0;
            return i;
        }
        if (nState != 0)
            continue;
        if (MimeIsWhiteSpace(c) || MimeIsSpecial(c)) {
            nState = c == '"' ? '"' : c == '(' ? ')' : c == '<' ? '>' : 0;
            return i;
        }
    }
    return nLength;
}

template <typename Visit> void CFieldCoder::ForEachWord(Visit&& visit) const
{
    int nState = GetDelimiter();
    int32_t i = 0;
    while (i < m_nInputLength) {
        Word w{m_pInput + i, 0, 0, false, 0, false};
        w.nLength = FindWordEnd(m_pInput + i, m_nInputLength - i, w.nNonAscii, nState);
        i += w.nLength;
        if (i < m_nInputLength) {
            w.bHasSeparator = true;
            w.chSeparator = m_pInput[i++];
            w.bFoldAfter = i < m_nInputLength && IsFoldingChar(w.chSeparator);
            while (w.bFoldAfter && i < m_nInputLength && MimeIsWhiteSpace(static_cast<unsigned char>(m_pInput[i])))
                ++i;
        }
        visit(w);
    }
}

const std::string& CFieldCoder::EffectiveCharset() const
{
    return m_strCharset.empty() ? g_strDefaultCharset : m_strCharset;
}

std::string CFieldCoder::EncodeWord(const char* pWord, int32_t nLength, int32_t nNonAscii) const
{
    CEncodedWordCodec codec;
    codec.SetEncoding(ChooseLetter(nLength, nNonAscii), EffectiveCharset());
    codec.SetInput(pWord, nLength, true);
    std::string strOut(static_cast<size_t>(codec.GetEncodeLength()), '\0');
    strOut.resize(static_cast<size_t>(codec.Encode(strOut.data(), static_cast<int32_t>(strOut.size()))));
    return strOut;
}

int32_t CFieldCoder::GetEncodeLength() const
{
    const std::string& strCharset = EffectiveCharset();
    if (strCharset.empty() && !g_bAutoFolding)
        return m_nInputLength;
    int64_t nTotal = 0;
    ForEachWord([&](const Word& w) {
        if (w.nNonAscii != 0 && !strCharset.empty()) {
            CEncodedWordCodec codec;
            codec.SetEncoding(ChooseLetter(w.nLength, w.nNonAscii), strCharset);
            codec.SetInput(w.pText, w.nLength, true);
            nTotal += codec.GetEncodeLength();
        } else {
            nTotal += w.nLength;
        }
        nTotal += 1 + (w.bHasSeparator && IsFoldingChar(w.chSeparator) ? 3 : 0);
    });
    if (g_bAutoFolding)
        nTotal += (nTotal / kFoldLine) * 6;
    return MimeClampLength(nTotal);
}

int32_t CFieldCoder::Encode(char* pOut, int32_t nCapacity) const
{
    const std::string& strCharset = EffectiveCharset();
    if (strCharset.empty() && !g_bAutoFolding)
        return CMimeCodec::Encode(pOut, nCapacity);
    CFoldingWriter writer(pOut, nCapacity);
    ForEachWord([&](const Word& w) {
        std::string strPiece = (w.nNonAscii != 0 && !strCharset.empty())
                                   ? EncodeWord(w.pText, w.nLength, w.nNonAscii)
                                   : std::string(w.pText, static_cast<size_t>(w.nLength));
        if (w.bHasSeparator)
            strPiece += w.chSeparator;
        writer.Write(strPiece, g_bAutoFolding);
        if (w.bFoldAfter)
            writer.BreakLine();
    });
    return writer.Written();
}

int32_t CFieldCoder::Decode(char* pOut, int32_t nCapacity) const
{
    CEncodedWordCodec codec;
    codec.SetInput(m_pInput, m_nInputLength, false);
    // Decoding never grows the text, so a buffer of the input length is enough.
    std::string strSpill;
    char* pBuffer = pOut;
    if (nCapacity < m_nInputLength) {
        strSpill.resize(static_cast<size_t>(m_nInputLength));
        pBuffer = strSpill.data();
    }
    int32_t n = codec.Decode(pBuffer, m_nInputLength);
    m_strCharset = codec.GetCharset();
    if (g_bAutoFolding)
        n = static_cast<int32_t>(Unfold(pBuffer, static_cast<size_t>(n)));
    if (pBuffer != pOut) {
        n = std::clamp(nCapacity, 0, n);
        std::memcpy(pOut, pBuffer, static_cast<size_t>(n));
    }
    return n;
}
