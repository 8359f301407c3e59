#include "mime/MimeBody.h"

#include "mime/ByteSearch.h"
#include "mime/CodecRegistry.h"

#include <cstring>
#include <new>

namespace {
std::unique_ptr<CMimeCodec> CreateTransferCodec(const CMimeHeader& header)
{
    return CreateCodec(header.GetFieldValue("Content-Transfer-Encoding"));
}

int64_t PutDelimiter(char* pOut, int64_t o, const std::string& strBoundary, bool bClosing)
{
    std::memcpy(pOut + o, "\r\n--", 4);
    o += 4;
    std::memcpy(pOut + o, strBoundary.data(), strBoundary.size());
    o += static_cast<int64_t>(strBoundary.size());
    if (bClosing) {
        std::memcpy(pOut + o, "--", 2);
        o += 2;
    }
    std::memcpy(pOut + o, "\r\n", 2);
    return o + 2;
}
}

CMimeBody::~CMimeBody() { Clear(); }

void CMimeBody::Clear()
{
    DeleteAllParts();
    FreeContent();
    CMimeHeader::Clear();
}

void CMimeBody::FreeContent()
{
    m_pContent.reset();
    m_nContentLength = 0;
}

bool CMimeBody::AllocateContent(int64_t nSize)
{
    FreeContent();
    if (nSize < 0)
        return false;
    m_pContent.reset(new (std::nothrow) char[static_cast<size_t>(nSize)]);
    if (!m_pContent)
        return false;
    m_nContentLength = nSize;
    return true;
}

bool CMimeBody::SetContent(const char* pData, int64_t nLength)
{
    if (nLength < 0 || !AllocateContent(nLength + 1))
        return false;
    if (nLength > 0)
        std::memcpy(m_pContent.get(), pData, static_cast<size_t>(nLength));
    m_pContent[nLength] = '\0';
    m_nContentLength = nLength;
    return true;
}

CMimeBody* CMimeBody::AddPart(std::unique_ptr<CMimeBody> pPart)
{
    m_listParts.push_back(std::move(pPart));
    return m_listParts.back().get();
}

void CMimeBody::DeleteAllParts() { m_listParts.clear(); }

int CMimeBody::GetBodyPartList(std::list<CMimeBody*>& listParts)
{
    if (GetMediaType() != MEDIA_MULTIPART) {
        listParts.push_back(this);
        return 1;
    }
    int nCount = 0;
    for (const auto& pPart : m_listParts)
        nCount += pPart->GetBodyPartList(listParts);
    return nCount;
}

std::unique_ptr<CMimeBody> CMimeBody::CreateBodyPart(const std::string& /*strMainType*/) const
{
    return std::make_unique<CMimeBody>();
}

int64_t CMimeBody::Load(const char* pData, int64_t nLength) { return LoadPart(pData, nLength, 0, true); }

int64_t CMimeBody::LoadHeadersOnly(const char* pData, int64_t nLength) { return LoadPart(pData, nLength, 0, false); }

int64_t CMimeBody::LoadPart(const char* pData, int64_t nLength, int nDepth, bool bDecode)
{
    const int64_t nHeader = CMimeHeader::Load(pData, nLength);
    if (nHeader == 0)
        return 0;
    return LoadBody(pData, nLength, nHeader, nDepth, bDecode);
}

int64_t CMimeBody::LoadBody(const char* pData, int64_t nLength, int64_t nBodyStart, int nDepth, bool bDecode)
{
    FreeContent();
    std::string strDelimiter;
    int64_t nDelimiter = -1;
    if (nDepth < kMaxPartDepth && GetMediaType() == MEDIA_MULTIPART) {
        const std::string strBoundary = GetBoundary();
        if (!strBoundary.empty()) {
            strDelimiter = "\r\n--" + strBoundary;
            // The CR LF that ends the header may serve as the delimiter's own.
            nDelimiter = MimeFindBytes(pData, nBodyStart >= 2 ? nBodyStart - 2 : 0, nLength, strDelimiter);
        }
    }
    const int64_t nContentEnd = nDelimiter >= 0 ? nDelimiter + 2 : nLength;
    if (bDecode && nContentEnd > nBodyStart && !DecodeContent(pData + nBodyStart, nContentEnd - nBodyStart))
        return -1;
    if (nDelimiter < 0)
        return nLength;
    return LoadChildren(pData, nLength, nDelimiter, strDelimiter, nDepth, bDecode);
}

bool CMimeBody::DecodeContent(const char* pRaw, int64_t nLength)
{
    const auto pCodec = CreateTransferCodec(*this);
    // Codec lengths are 32-bit: content beyond that is not decoded.
    pCodec->SetInput(pRaw, MimeClampLength(nLength), false);
    const int32_t nBound = pCodec->GetOutputLength();
    if (!AllocateContent(int64_t{nBound} + 4))
        return false;
    const int32_t nDecoded = pCodec->GetOutput(m_pContent.get(), nBound);
    m_pContent[nDecoded] = '\0';
    m_nContentLength = nDecoded;
    return true;
}

int64_t CMimeBody::LoadChildren(const char* pData, int64_t nLength, int64_t nDelimiter, const std::string& strDelimiter,
                                int nDepth, bool bDecode)
{
    const auto nDelimiterLength = static_cast<int64_t>(strDelimiter.size());
    for (;;) {
        const int64_t nLineEnd = MimeFindCrLf(pData, nDelimiter + 2, nLength);
        if (nLineEnd < 0)
            return nLength;
        const int64_t nStart = nLineEnd + 2;
        const int64_t nAfter = nDelimiter + nDelimiterLength;
        if (nLength - nAfter >= 3 && pData[nAfter] == '-' && pData[nAfter + 1] == '-')
            return nStart;
        const int64_t nNext = MimeFindBytes(pData, nStart, nLength, strDelimiter);
        const int64_t nEnd = nNext >= 0 ? nNext : nLength;

        // The header is parsed once, into a plain header that tells the part's type, then handed to the part.
        CMimeHeader header;
        const int64_t nHeader = header.CMimeHeader::Load(pData + nStart, nEnd - nStart);
        std::string strMainType;
        header.GetMainType(strMainType);
        CMimeBody* pPart = AddPart(CreateBodyPart(strMainType));
        pPart->TakeFields(header);
        if (nHeader != 0)
            pPart->LoadBody(pData + nStart, nEnd - nStart, nHeader, nDepth + 1, bDecode);
        if (nNext < 0)
            return nLength;
        nDelimiter = nNext;
    }
}

int64_t CMimeBody::GetLength() const
{
    const auto pCodec = CreateTransferCodec(*this);
    pCodec->SetInput(m_pContent.get(), MimeClampLength(m_nContentLength), true);
    int64_t nTotal = CMimeHeader::GetLength() + pCodec->GetOutputLength();
    if (m_listParts.empty())
        return nTotal;
    const auto nBoundary = static_cast<int64_t>(GetBoundary().size());
    for (const auto& pPart : m_listParts)
        nTotal += nBoundary + 6 + pPart->GetLength();
    return nTotal + nBoundary + 8;
}

int64_t CMimeBody::Store(char* pOut, int64_t nCapacity) const
{
    const int64_t nHeader = CMimeHeader::Store(pOut, nCapacity);
    if (nHeader == 0)
        return 0;
    const auto pCodec = CreateTransferCodec(*this);
    pCodec->SetInput(m_pContent.get(), MimeClampLength(m_nContentLength), true);
    const int64_t nWritten = nHeader + pCodec->GetOutput(pOut + nHeader, MimeClampLength(nCapacity - nHeader));
    if (m_listParts.empty())
        return nWritten;
    return StoreChildren(pOut, nCapacity, nWritten);
}

int64_t CMimeBody::StoreChildren(char* pOut, int64_t nCapacity, int64_t nWritten) const
{
    const std::string strBoundary = GetBoundary();
    if (strBoundary.empty())
        return -1;
    const auto nBoundary = static_cast<int64_t>(strBoundary.size());
    int64_t o = nWritten;
    for (const auto& pPart : m_listParts) {
        if (nCapacity - o < nBoundary + 6)
            break;
        // The first delimiter's CR LF replaces the line end already written.
        if (pPart == m_listParts.front() && o >= 2 && pOut[o - 2] == '\r' && pOut[o - 1] == '\n')
            o -= 2;
        o = PutDelimiter(pOut, o, strBoundary, false);
        const int64_t n = pPart->Store(pOut + o, nCapacity - o);
        o += n > 0 ? n : 0;
    }
    if (nCapacity - o >= nBoundary + 8)
        o = PutDelimiter(pOut, o, strBoundary, true);
    return o;
}
