#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// The last ten CR LF line breaks seen by a forward scan, with the header names their next lines begin with,
// so the backward search for a header start costs nothing however far back the breaks lie.
class CrLfHistory {
public:
    static constexpr size_t kDepth = 10;

    void Push(uint64_t crOffset, uint8_t namesOfNextLine);

    // Walks back over the breaks pushed so far (at most ten) and returns where the header block that
    // holds the line break at offset begins: the line of the third header name, else the earliest break
    // (or the line after it when that begins with a header name), else offset itself.
    uint64_t FindHeaderStartBefore(uint64_t offset) const;

private:
    struct Break {
        uint64_t cr = 0;
        uint8_t names = 0;
    };
    std::array<Break, kDepth> m_breaks{};
    size_t m_count = 0;
    size_t m_next = 0;
};
