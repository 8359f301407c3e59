#pragma once
#include "mime/MimeHeader.h"
#include <list>
#include <memory>
#include <vector>

// One part of a message: its header, its decoded content (NUL-terminated) and its child parts.
class CMimeBody : public CMimeHeader {
public:
    CMimeBody() = default;
    ~CMimeBody() override;

    void Clear() override;
    int64_t GetLength() const override;
    // Returns the bytes written, 0 when the header does not fit, -1 for children without a boundary.
    int64_t Store(char* pOut, int64_t nCapacity) const override;
    // Returns the bytes consumed, 0 when the header fails to parse, -1 when the content cannot be allocated.
    int64_t Load(const char* pData, int64_t nLength) override;
    // The same part tree and header fields as Load, without decoding any content (no content buffers).
    int64_t LoadHeadersOnly(const char* pData, int64_t nLength);

    char* GetContent() { return m_pContent.get(); }
    const char* GetContent() const { return m_pContent.get(); }
    int64_t GetContentLength() const { return m_nContentLength; }
    bool AllocateContent(int64_t nSize);
    // Replaces the content with a copy of the bytes; false when the buffer cannot be allocated.
    bool SetContent(const char* pData, int64_t nLength);

    const std::vector<std::unique_ptr<CMimeBody>>& GetParts() const { return m_listParts; }
    CMimeBody* AddPart(std::unique_ptr<CMimeBody> pPart);
    void DeleteAllParts();
    // Appends the leaf parts in depth-first document order; returns how many were appended.
    int GetBodyPartList(std::list<CMimeBody*>& listParts);
    // The object for a child part of the given main type: a CMimeBody for every type.
    std::unique_ptr<CMimeBody> CreateBodyPart(const std::string& strMainType) const;

    // Parts nested deeper than this are kept as leaves whose content is their whole body.
    static constexpr int kMaxPartDepth = 64;

private:
    int64_t LoadPart(const char* pData, int64_t nLength, int nDepth, bool bDecode);
    int64_t LoadBody(const char* pData, int64_t nLength, int64_t nBodyStart, int nDepth, bool bDecode);
    bool DecodeContent(const char* pRaw, int64_t nLength);
    int64_t LoadChildren(const char* pData, int64_t nLength, int64_t nDelimiter, const std::string& strDelimiter,
                         int nDepth, bool bDecode);
    int64_t StoreChildren(char* pOut, int64_t nCapacity, int64_t nWritten) const;
    void FreeContent();

    std::unique_ptr<char[]> m_pContent;
    int64_t m_nContentLength = 0;
    std::vector<std::unique_ptr<CMimeBody>> m_listParts;
};
