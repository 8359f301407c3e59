#include "mime/MimeHeaderField.h"

#include "mime/ByteSearch.h"
#include "mime/FieldCoderRegistry.h"
#include "mime/MimeCharClass.h"

#include <cstring>

namespace {
bool IsTokenByte(unsigned char c) { return c == '.' || c >= 0x80 || (c > ' ' && !MimeIsSpecial(c)); }

// End of the value that starts at nStart: through the closing quote of a quoted string, or over a token.
size_t ParameterValueEnd(const std::string& v, size_t nStart)
{
    const size_t n = v.size();
    if (nStart < n && v[nStart] == '"') {
        const size_t nClose = v.find_first_of(std::string_view("\"\0", 2), nStart + 1);
        if (nClose != std::string::npos && v[nClose] == '"')
            return nClose + 1;
        return nStart; // an unclosed quote is a special, so the value is empty
    }
    size_t i = nStart;
    while (i < n && IsTokenByte(static_cast<unsigned char>(v[i])))
        ++i;
    return i;
}
}

void CMimeHeaderField::GetValueWithoutParameters(std::string& strOut) const
{
    const size_t nSemicolon = m_strValue.find(';');
    if (nSemicolon == std::string::npos) {
        strOut = m_strValue;
        return;
    }
    size_t nEnd = nSemicolon;
    while (nEnd > 0 && MimeIsWhiteSpace(static_cast<unsigned char>(m_strValue[nEnd - 1])))
        --nEnd;
    strOut.assign(m_strValue, 0, nEnd);
}

bool CMimeHeaderField::FindParameter(const char* pszParam, int64_t& nOffset, int64_t& nLength) const
{
    const std::string& v = m_strValue;
    const std::string_view wanted(pszParam ? pszParam : "");
    const size_t n = v.size();
    size_t p = v.find(';');
    while (p != std::string::npos && p < n) {
        while (p < n && (MimeIsWhiteSpace(static_cast<unsigned char>(v[p])) || v[p] == ';'))
            ++p;
        const size_t nName = p;
        while (p < n && v[p] != '=' && v[p] != '\0')
            ++p;
        if (p >= n || v[p] == '\0')
            return false;
        ++p;
        while (p < n && (v[p] == ' ' || v[p] == '\t' || v[p] == '\r' || v[p] == '\n'))
            ++p;
        const size_t nValueEnd = ParameterValueEnd(v, p);
        const size_t nAfterName = nName + wanted.size();
        if (nAfterName < n && MimeStartsWithNoCase(std::string_view(v).substr(nName), wanted) &&
            (MimeIsWhiteSpace(static_cast<unsigned char>(v[nAfterName])) || v[nAfterName] == '=')) {
            nOffset = static_cast<int64_t>(p);
            nLength = static_cast<int64_t>(nValueEnd - p);
            return true;
        }
        p = nValueEnd;
    }
    return false;
}

bool CMimeHeaderField::GetParameter(const char* pszParam, std::string& strOut) const
{
    strOut.clear();
    int64_t nOffset = 0;
    int64_t nLength = 0;
    if (!FindParameter(pszParam, nOffset, nLength))
        return false;
    std::string_view value = std::string_view(m_strValue).substr(static_cast<size_t>(nOffset), static_cast<size_t>(nLength));
    if (!value.empty() && value.front() == '"')
        value.remove_prefix(1);
    if (!value.empty() && value.back() == '"')
        value.remove_suffix(1);
    strOut.assign(value);
    return true;
}

int64_t CMimeHeaderField::Load(const char* pData, int64_t nLength)
{
    m_strName.clear();
    m_strValue.clear();
    m_strCharset.clear();
    int64_t nLine = 0;
    while (nLine < nLength && MimeIsWhiteSpace(static_cast<unsigned char>(pData[nLine]))) {
        if (pData[nLine] == '\r')
            return 0;
        const int64_t nEnd = MimeFindCrLf(pData, nLine, nLength);
        if (nEnd < 0)
            return 0;
        nLine = nEnd + 2;
    }
    int64_t p = nLine;
    while (p < nLength && pData[p] != ':' && pData[p] != '\r' && pData[p] != '\n' && pData[p] != '\0')
        ++p;
    int64_t nValue = nLine;
    if (p < nLength && pData[p] == ':') {
        m_strName.assign(pData + nLine, static_cast<size_t>(p - nLine));
        nValue = p + 1;
    }
    while (nValue < nLength && (pData[nValue] == ' ' || pData[nValue] == '\t'))
        ++nValue;
    int64_t nEnd = MimeFindCrLf(pData, nValue, nLength);
    if (nEnd < 0)
        return 0;
    while (nEnd + 2 < nLength && (pData[nEnd + 2] == '\t' || pData[nEnd + 2] == ' ')) {
        nEnd = MimeFindCrLf(pData, nEnd + 2, nLength);
        if (nEnd < 0)
            return 0;
    }
    const auto pCoder = CreateFieldCoder(m_strName.c_str());
    pCoder->SetInput(pData + nValue, MimeClampLength(nEnd - nValue), false);
    m_strValue.resize(static_cast<size_t>(pCoder->GetOutputLength()));
    m_strValue.resize(static_cast<size_t>(pCoder->GetOutput(m_strValue.data(), static_cast<int32_t>(m_strValue.size()))));
    m_strCharset = pCoder->GetCharset();
    return nEnd + 2;
}

int64_t CMimeHeaderField::GetLength() const
{
    const auto pCoder = CreateFieldCoder(m_strName.c_str());
    pCoder->SetCharset(m_strCharset);
    pCoder->SetInput(m_strValue.data(), MimeClampLength(static_cast<int64_t>(m_strValue.size())), true);
    return static_cast<int64_t>(m_strName.size()) + 4 + pCoder->GetOutputLength();
}

int64_t CMimeHeaderField::Store(char* pOut, int64_t nCapacity) const
{
    const auto nName = static_cast<int64_t>(m_strName.size());
    if (nCapacity < nName + 4)
        return 0;
    std::memcpy(pOut, m_strName.data(), static_cast<size_t>(nName));
    pOut[nName] = ':';
    pOut[nName + 1] = ' ';
    const auto pCoder = CreateFieldCoder(m_strName.c_str());
    pCoder->SetCharset(m_strCharset);
    pCoder->SetInput(m_strValue.data(), MimeClampLength(static_cast<int64_t>(m_strValue.size())), true);
    const int32_t nValue = pCoder->GetOutput(pOut + nName + 2, MimeClampLength(nCapacity - nName - 4));
    pOut[nName + 2 + nValue] = '\r';
    pOut[nName + 3 + nValue] = '\n';
    return nName + 4 + nValue;
}
