#include "mime/MimeHeader.h"

#include "mime/MimeCharClass.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {
constexpr std::array<std::string_view, 7> kMediaTypeNames = {"text",        "image",     "audio",  "video",
                                                             "application", "multipart", "message"};
}

void CMimeHeader::Clear() { m_listFields.clear(); }

int64_t CMimeHeader::GetLength() const
{
    int64_t nTotal = 2;
    for (const CMimeHeaderField& field : m_listFields)
        nTotal += field.GetLength();
    return nTotal;
}

int64_t CMimeHeader::Store(char* pOut, int64_t nCapacity) const
{
    int64_t o = 0;
    for (const CMimeHeaderField& field : m_listFields) {
        const int64_t n = field.Store(pOut + o, nCapacity - o);
        if (n == 0)
            return 0;
        o += n;
    }
    if (nCapacity - o < 2)
        return 0;
    pOut[o++] = '\r';
    pOut[o++] = '\n';
    return o;
}

int64_t CMimeHeader::Load(const char* pData, int64_t nLength)
{
    int64_t nOffset = 0;
    while (nOffset < nLength && pData[nOffset] != '\0') {
        if (pData[nOffset] == '\r')
            return std::min(nOffset + 2, nLength); // a lone CR at the very end must not claim a byte past it
        CMimeHeaderField field;
        const int64_t n = field.Load(pData + nOffset, nLength - nOffset);
        if (n == 0)
            return 0;
        m_listFields.push_back(std::move(field));
        nOffset += n;
    }
    return nOffset;
}

void CMimeHeader::AddField(std::string strName, std::string strValue, std::string strCharset)
{
    CMimeHeaderField field;
    field.SetName(std::move(strName));
    field.SetValue(std::move(strValue));
    field.SetCharset(std::move(strCharset));
    m_listFields.push_back(std::move(field));
}

const CMimeHeaderField* CMimeHeader::FindField(const char* pszName) const
{
    const std::string_view name(pszName ? pszName : "");
    for (const CMimeHeaderField& field : m_listFields)
        if (MimeEqualNoCase(field.GetNameString(), name))
            return &field;
    return nullptr;
}

CMimeHeaderField* CMimeHeader::FindField(const char* pszName)
{
    return const_cast<CMimeHeaderField*>(std::as_const(*this).FindField(pszName));
}

const char* CMimeHeader::GetFieldValue(const char* pszName) const
{
    const CMimeHeaderField* pField = FindField(pszName);
    return pField ? pField->GetValue() : nullptr;
}

std::string CMimeHeader::GetFieldParameter(const char* pszField, const char* pszParam) const
{
    std::string strValue;
    if (const CMimeHeaderField* pField = FindField(pszField))
        pField->GetParameter(pszParam, strValue);
    return strValue;
}

MediaType CMimeHeader::GetMediaType() const
{
    const CMimeHeaderField* pField = FindField("Content-Type");
    const std::string_view value = pField ? std::string_view(pField->GetValueString()) : std::string_view("text");
    for (size_t i = 0; i < kMediaTypeNames.size(); ++i)
        if (MimeStartsWithNoCase(value, kMediaTypeNames[i]))
            return static_cast<MediaType>(i);
    return MEDIA_UNKNOWN;
}

void CMimeHeader::GetMainType(std::string& strOut) const
{
    const CMimeHeaderField* pField = FindField("Content-Type");
    if (!pField) {
        strOut = "text";
        return;
    }
    const std::string& value = pField->GetValueString();
    strOut.assign(value, 0, value.find('/'));
}
