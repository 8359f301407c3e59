#pragma once
#include "mime/MimeHeaderField.h"
#include <cstdint>
#include <string>
#include <vector>

enum MediaType {
    MEDIA_TEXT = 0,
    MEDIA_IMAGE = 1,
    MEDIA_AUDIO = 2,
    MEDIA_VIDEO = 3,
    MEDIA_APPLICATION = 4,
    MEDIA_MULTIPART = 5,
    MEDIA_MESSAGE = 6,
    MEDIA_UNKNOWN = 7,
};

// The fields of a message or body part, in the order parsed.
class CMimeHeader {
public:
    CMimeHeader() = default;
    virtual ~CMimeHeader() = default;
    CMimeHeader(const CMimeHeader&) = delete;
    CMimeHeader& operator=(const CMimeHeader&) = delete;
    CMimeHeader(CMimeHeader&&) = default;
    CMimeHeader& operator=(CMimeHeader&&) = default;

    virtual void Clear();
    virtual int64_t GetLength() const;
    // Returns the bytes written, or 0 when the header does not fit.
    virtual int64_t Store(char* pOut, int64_t nCapacity) const;
    // Appends the fields parsed from the range; returns the bytes consumed (empty line included), 0 on failure.
    virtual int64_t Load(const char* pData, int64_t nLength);

    const std::vector<CMimeHeaderField>& GetFields() const { return m_listFields; }
    void AddField(CMimeHeaderField field) { m_listFields.push_back(std::move(field)); }
    void AddField(std::string strName, std::string strValue, std::string strCharset = {});

    const CMimeHeaderField* FindField(const char* pszName) const;
    CMimeHeaderField* FindField(const char* pszName);
    const char* GetFieldValue(const char* pszName) const;
    std::string GetFieldParameter(const char* pszField, const char* pszParam) const;

    MediaType GetMediaType() const;
    void GetMainType(std::string& strOut) const;
    std::string GetBoundary() const { return GetFieldParameter("Content-Type", "boundary"); }
    std::string GetName() const { return GetFieldParameter("Content-Type", "name"); }
    std::string GetFilename() const { return GetFieldParameter("Content-Disposition", "filename"); }
    bool IsAttachment() const { return !GetName().empty() || !GetFilename().empty(); }

protected:
    void TakeFields(CMimeHeader& other) { m_listFields = std::move(other.m_listFields); }

private:
    std::vector<CMimeHeaderField> m_listFields;
};
