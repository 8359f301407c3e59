#include "scan/MboxFileScanner.h"

#include "scan/FromLineMatcher.h"
#include "scan/HeaderNames.h"
#include "scan/MappedReadGuard.h"
#include "scan/MimeVersionMatcher.h"
#include "scan/ScanProgress.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <optional>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr uint64_t kBlockSize = 1u << 20;
constexpr uint64_t kLookAhead = 17; // the longest window is 18 bytes
constexpr int kLinesAfter = 10;

// Offset just past the next LF at or after from; none at the end of the file or on a read error.
std::optional<uint64_t> NextLineStart(const CFile& file, uint64_t from)
{
    std::array<char, 4096> chunk;
    for (;;) {
        const int64_t got = file.ReadAt(from, chunk.data(), chunk.size());
        if (got <= 0)
            return std::nullopt;
        if (const void* lf = std::memchr(chunk.data(), '\n', size_t(got)))
            return from + uint64_t(static_cast<const char*>(lf) - chunk.data()) + 1;
        from += uint64_t(got);
    }
}

// Maps the block's pages in one call instead of one page fault at a time; a failure only costs the speed-up.
void PrefaultPages(const ByteSpan& span, uint64_t begin, uint64_t end)
{
    static const uint64_t pageSize = uint64_t(::sysconf(_SC_PAGESIZE));
    const uint64_t first = begin / pageSize * pageSize;
    ::madvise(const_cast<unsigned char*>(span.Ptr(first)), size_t(end - first), MADV_POPULATE_READ);
}

// Reads the whole file in blocks through a buffer that also holds the byte before and the bytes after.
class BufferedBlocks {
public:
    BufferedBlocks(const CFile& file, uint64_t length) : m_file(file), m_length(length) {}

    std::optional<ByteSpan> Fetch(uint64_t begin, uint64_t end)
    {
        const uint64_t from = begin > 0 ? begin - 1 : 0;
        const uint64_t to = std::min(m_length, end + kLookAhead);
        m_buffer.resize(std::max<size_t>(m_buffer.size(), to - from));
        if (m_file.ReadAt(from, m_buffer.data(), to - from) != int64_t(to - from))
            return std::nullopt;
        return ByteSpan{m_buffer.data(), from, to};
    }

private:
    const CFile& m_file;
    uint64_t m_length;
    std::vector<unsigned char> m_buffer;
};

} // namespace

int MboxFileScanner::ScanFromLines()
{
    FromLineMatcher matcher(m_offsets, GetLength());
    return Scan(matcher);
}

int MboxFileScanner::ScanMimeVersion(const QString& path)
{
    MimeVersionMatcher matcher(m_offsets, GetLength(), path);
    return Scan(matcher);
}

bool MboxFileScanner::HasHeaderLinesAfter(const CFile& file, uint64_t offset)
{
    std::optional<uint64_t> lineStart = offset;
    for (int line = 0; line < kLinesAfter && lineStart; ++line) {
        std::array<unsigned char, 8> head;
        const int64_t got = file.ReadAt(*lineStart, head.data(), head.size());
        if (got <= 0)
            return false;
        if (HeaderNamesAt(head.data(), uint64_t(got)) != 0)
            return true;
        lineStart = NextLineStart(file, *lineStart);
    }
    return false;
}

// The length is read once; both paths scan exactly that many bytes even if the file changes meanwhile.
int MboxFileScanner::Scan(BlockMatcher& matcher)
{
    const uint64_t length = GetLength();
    ScanProgress progress(m_hWndNotify, length);
    progress.Start();
    CFileMapping mapping;
    bool completed;
    if (m_bAllowMapping && mapping.Map(*this) && mapping.Size() >= length) {
        const ByteSpan whole{mapping.Data(), 0, length};
        completed = ScanBlocks(length, matcher, progress, [&](uint64_t begin, uint64_t end) {
            PrefaultPages(whole, begin, std::min(length, end + kLookAhead));
            return std::optional(whole);
        });
    } else {
        BufferedBlocks blocks(*this, length);
        completed = ScanBlocks(length, matcher, progress, [&](uint64_t begin, uint64_t end) { return blocks.Fetch(begin, end); });
    }
    if (completed)
        m_offsets.push_back(length);
    progress.Finish();
    return 1;
}

// A stop, a read error or a file that shrank under its mapping ends the scan without the length entry.
template <class Fetch>
bool MboxFileScanner::ScanBlocks(uint64_t length, BlockMatcher& matcher, ScanProgress& progress, Fetch&& fetch)
{
    for (uint64_t begin = 0; begin < length; begin += kBlockSize) {
        if (!m_bContinue.exchange(true, std::memory_order_relaxed))
            return false;
        const uint64_t end = std::min(length, begin + kBlockSize);
        progress.Advance(end);
        if (begin == 0)
            m_offsets.push_back(0);
        const std::optional<ByteSpan> span = fetch(begin, end);
        if (!span || !MappedReadGuard::Run([&] { matcher.Match(*span, begin, end); }))
            return false;
    }
    return true;
}
