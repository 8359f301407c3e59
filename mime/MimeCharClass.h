#pragma once
#include <cstdint>
#include <string_view>

// Byte classes of the MIME grammar; bytes 0x80-0xFF belong to no class.
enum MimeCharClassBits : uint8_t {
    MIME_CONTROL = 0x01,
    MIME_SPACE = 0x02,
    MIME_ALNUM = 0x04,
    MIME_PUNCT = 0x08,
    MIME_SPECIAL = 0x10,
    MIME_HEXDIGIT = 0x20,
};

extern const uint8_t kMimeCharClass[128];
extern const char kMimeHexDigits[17];

inline bool MimeHasClass(unsigned char c, uint8_t bits) { return c < 0x80 && (kMimeCharClass[c] & bits) != 0; }
inline bool MimeIsWhiteSpace(unsigned char c) { return MimeHasClass(c, MIME_SPACE); }
inline bool MimeIsSpecial(unsigned char c) { return MimeHasClass(c, MIME_SPECIAL); }
inline bool MimeIsAlnum(unsigned char c) { return MimeHasClass(c, MIME_ALNUM); }
inline bool MimeIsHexDigit(unsigned char c) { return MimeHasClass(c, MIME_HEXDIGIT); }
inline char MimeToLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c; }

inline bool MimeStartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (MimeToLower(text[i]) != MimeToLower(prefix[i]))
            return false;
    return true;
}

inline bool MimeEqualNoCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && MimeStartsWithNoCase(a, b);
}
