#include "mime/MimeCharClass.h"

namespace {
constexpr uint8_t C = MIME_CONTROL;
constexpr uint8_t S = MIME_SPACE;
constexpr uint8_t A = MIME_ALNUM;
constexpr uint8_t P = MIME_PUNCT;
constexpr uint8_t X = MIME_SPECIAL;
constexpr uint8_t H = MIME_HEXDIGIT;
}

const uint8_t kMimeCharClass[128] = {
    C, C, C, C, C, C, C, C,
    C, C|S, C|S, C|S, C|S, C|S, C, C,
    C, C, C, C, C, C, C, C,
    C, C, C, C, C, C, C, C,
    S, P, P|X, P, P, P, P, P,
    P|X, P|X, P, P, P|X, P, P|X, P,
    A|H, A|H, A|H, A|H, A|H, A|H, A|H, A|H,
    A|H, A|H, P|X, P|X, P|X, P|X, P|X, P,
    P|X, A|H, A|H, A|H, A|H, A|H, A|H, A,
    A, A, A, A, A, A, A, A,
    A, A, A, A, A, A, A, A,
    A, A, A, P|X, P|X, P|X, P, P,
    P, A, A, A, A, A, A, A,
    A, A, A, A, A, A, A, A,
    A, A, A, A, A, A, A, A,
    A, A, A, P, P, P, P, C,
};

const char kMimeHexDigits[17] = "0123456789ABCDEF";
