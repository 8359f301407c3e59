// Scanner throughput beside the memory-bandwidth floor.
//   bench_scan generate FILE MEGABYTES   writes a generated mbox corpus
//   bench_scan floor|floor-read|mapped|buffered FILE  prints messages found, best seconds of 3 runs and GB/s
#include "platform/CFile.h"
#include "scan/MboxFileScanner.h"

#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>

namespace {

// Mail-like text: headers, wrapped body lines, now and then a base64 attachment block.
int Generate(const char* path, long megabytes)
{
    std::FILE* out = std::fopen(path, "wb");
    if (!out)
        return 1;
    std::mt19937 random(42);
    const char* words[] = {"the", "meeting", "Friday", "report", "and", "please", "From", "review", "attached",
                           "budget", "for", "team", "Regards", "schedule", "update", "of", "a", "Thanks"};
    const char* base64 = "QUJDREVGR0hJSktMTU5PUFFSU1RVVldYWVphYmNkZWZnaGlqa2xtbm9wcXJzdHV2d3h5ejAxMjM0NTY3ODkrLw";
    const long long target = megabytes * 1024LL * 1024LL;
    long long written = 0;
    std::string mail;
    for (int n = 0; written < target; ++n) {
        mail = "From sender" + std::to_string(n) + "@example.com Mon Jan  1 10:00:00 2024\n"
             + "From: Sender <sender" + std::to_string(n) + "@example.com>\nTo: team@example.com\n"
             + "Subject: Report " + std::to_string(n) + "\nDate: Mon, 1 Jan 2024 10:00:00 +0000\n"
             + "MIME-Version: 1.0\nContent-Type: text/plain\n\n";
        for (int line = random() % 40 + 5; line > 0; --line) {
            for (int word = random() % 10 + 4; word > 0; --word)
                mail += std::string(words[random() % std::size(words)]) + ' ';
            mail.back() = '\n';
        }
        if (random() % 4 == 0)
            for (int line = random() % 200; line > 0; --line)
                mail += std::string(base64, 76) + '\n';
        mail += '\n';
        written += (long long)(std::fwrite(mail.data(), 1, mail.size(), out));
    }
    return std::fclose(out) == 0 ? 0 : 1;
}

// The floor: memchr for line breaks in a mapping, each tested for a following "From ".
uint64_t CountFloor(const CFile& file)
{
    CFileMapping mapping;
    if (!mapping.Map(file))
        return 0;
    const unsigned char* data = mapping.Data();
    const uint64_t size = mapping.Size();
    uint64_t count = 0;
    for (const unsigned char* p = data; (p = static_cast<const unsigned char*>(std::memchr(p, '\n', size - (p - data))));
         ++p)
        if (uint64_t(p - data) + 6 <= size && std::memcmp(p + 1, "From ", 5) == 0)
            ++count;
    return count;
}

// The same count over 1 MiB reads, carrying the last 5 bytes of each buffer into the next.
uint64_t CountFloorRead(const CFile& file)
{
    std::string buffer(5 + (1 << 20), '\0');
    uint64_t count = 0, offset = 0;
    size_t kept = 0;
    for (int64_t got; (got = file.ReadAt(offset, buffer.data() + kept, 1 << 20)) > 0; offset += uint64_t(got)) {
        const char* data = buffer.data();
        const size_t size = kept + size_t(got);
        for (const char* p = data; (p = static_cast<const char*>(std::memchr(p, '\n', size - (p - data)))); ++p)
            if (size_t(p - data) + 6 <= size && std::memcmp(p + 1, "From ", 5) == 0)
                ++count;
        // keep the tail that may still hold the start of a match: the last 5 bytes, never a whole match
        kept = std::min<size_t>(5, size);
        std::memmove(buffer.data(), data + size - kept, kept);
    }
    return count;
}

uint64_t CountScanner(const char* path, bool mapped)
{
    MboxFileScanner scanner;
    if (!scanner.Open(QString::fromLocal8Bit(path)))
        return 0;
    scanner.m_bAllowMapping = mapped;
    scanner.ScanFromLines();
    return scanner.m_offsets.size() - 1;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 4 && std::strcmp(argv[1], "generate") == 0)
        return Generate(argv[2], std::atol(argv[3]));
    if (argc != 3)
        return std::fprintf(stderr, "usage: bench_scan generate FILE MB | floor|floor-read|mapped|buffered FILE\n"), 2;
    const std::string mode = argv[1];
    CFile file;
    if (!file.Open(QString::fromLocal8Bit(argv[2])))
        return 1;
    double best = 1e9;
    uint64_t count = 0;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        count = mode == "floor" ? CountFloor(file)
            : mode == "floor-read" ? CountFloorRead(file)
                                   : CountScanner(argv[2], mode == "mapped");
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::printf("%-9s messages %llu  %.3f s  %.2f GB/s\n", mode.c_str(), (unsigned long long)count, best,
                double(file.GetLength()) / best / 1e9);
    return 0;
}
