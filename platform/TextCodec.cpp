#include "platform/TextCodec.h"

#include <QtEndian>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace {

constexpr char kAnsiCharset[] = "WINDOWS-1252";
constexpr char16_t kReplacement = 0xFFFD;
constexpr char kUtf8Replacement[] = "\xEF\xBF\xBD";
constexpr const char* kWideCharset = (Q_BYTE_ORDER == Q_LITTLE_ENDIAN) ? "UTF-16LE" : "UTF-16BE";

class Iconv {
public:
    Iconv(const char* to, const char* from) : m_cd(iconv_open(to, from)) {}
    ~Iconv()
    {
        if (IsValid())
            iconv_close(m_cd);
    }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    bool IsValid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }
    iconv_t Get() const { return m_cd; }

private:
    iconv_t m_cd;
};

// Output buffer that grows as iconv asks for room.
class Sink {
public:
    explicit Sink(qsizetype guess) { m_buffer.resize(qMax<qsizetype>(guess, 16)); }
    char* Cursor() { return m_buffer.data() + m_used; }
    size_t Room() const { return static_cast<size_t>(m_buffer.size() - m_used); }
    void Advance(char* cursor) { m_used = cursor - m_buffer.data(); }
    void Grow() { m_buffer.resize(m_buffer.size() * 2); }
    void Append(const char* bytes, qsizetype size)
    {
        while (Room() < static_cast<size_t>(size))
            Grow();
        memcpy(Cursor(), bytes, size);
        m_used += size;
    }
    QByteArray Take()
    {
        m_buffer.resize(m_used);
        return std::move(m_buffer);
    }

private:
    QByteArray m_buffer;
    qsizetype m_used = 0;
};

// Runs cd over the input; at a byte iconv refuses, onInvalid consumes at least one byte and writes a stand-in.
template <typename OnInvalid>
QByteArray Run(iconv_t cd, const char* data, qsizetype size, qsizetype guess, OnInvalid onInvalid)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    Sink sink(guess);
    char* in = const_cast<char*>(data);
    size_t inLeft = static_cast<size_t>(size);
    while (inLeft > 0) {
        char* out = sink.Cursor();
        size_t outLeft = sink.Room();
        const size_t result = iconv(cd, &in, &inLeft, &out, &outLeft);
        sink.Advance(out);
        if (result != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG) {
            sink.Grow();
        } else if (errno == EILSEQ || errno == EINVAL) {
            onInvalid(in, inLeft, sink);
        } else {
            break;
        }
    }
    // Stateful charsets may still owe a shift back to their initial state.
    for (;;) {
        char* out = sink.Cursor();
        size_t outLeft = sink.Room();
        const size_t result = iconv(cd, nullptr, nullptr, &out, &outLeft);
        sink.Advance(out);
        if (result != static_cast<size_t>(-1) || errno != E2BIG)
            break;
        sink.Grow();
    }
    return sink.Take();
}

bool IsUndefinedAnsiByte(unsigned value)
{
    return value == 0x81 || value == 0x8D || value == 0x8F || value == 0x90 || value == 0x9D;
}

char16_t* WriteUnits(char16_t* out, char32_t codePoint)
{
    if (codePoint > 0xFFFF) {
        *out++ = QChar::highSurrogate(codePoint);
        *out++ = QChar::lowSurrogate(codePoint);
    } else {
        *out++ = static_cast<char16_t>(codePoint);
    }
    return out;
}

// Length and first-byte payload of a UTF-8 lead byte, with the allowed range of the second byte that
// excludes overlong forms, surrogates and values above U+10FFFF. Zero length: not a lead byte.
struct Utf8Lead {
    int trail;
    char32_t payload;
    unsigned low;
    unsigned high;
};

Utf8Lead ReadLead(unsigned b)
{
    if (b >= 0xC2 && b <= 0xDF)
        return {1, b & 0x1F, 0x80, 0xBF};
    if (b >= 0xE0 && b <= 0xEF)
        return {2, b & 0x0F, b == 0xE0 ? 0xA0u : 0x80u, b == 0xED ? 0x9Fu : 0xBFu};
    if (b >= 0xF0 && b <= 0xF4)
        return {3, b & 0x07, b == 0xF0 ? 0x90u : 0x80u, b == 0xF4 ? 0x8Fu : 0xBFu};
    return {0, 0, 0, 0};
}

} // namespace

QString AnsiToWide(const char* data, qsizetype size)
{
    if (size <= 0)
        return QString();
    // Opening a descriptor costs about as much as converting a header line, so each thread keeps its own.
    thread_local const Iconv cd(kWideCharset, kAnsiCharset);
    if (!cd.IsValid())
        return QString::fromLatin1(data, size);
    const QByteArray wide = Run(cd.Get(), data, size, size * 2, [](char*& in, size_t& inLeft, Sink& sink) {
        const char16_t unit = static_cast<unsigned char>(*in);
        sink.Append(reinterpret_cast<const char*>(&unit), sizeof unit);
        ++in;
        --inLeft;
    });
    return QString(reinterpret_cast<const QChar*>(wide.constData()), wide.size() / 2);
}

QByteArray WideToAnsi(const QString& text)
{
    if (text.isEmpty())
        return QByteArray();
    thread_local const Iconv cd(kAnsiCharset, kWideCharset);
    if (!cd.IsValid())
        return text.toLatin1();
    const auto* units = reinterpret_cast<const char*>(text.utf16());
    return Run(cd.Get(), units, text.size() * 2, text.size(), [](char*& in, size_t& inLeft, Sink& sink) {
        char16_t unit;
        char16_t next = 0;
        memcpy(&unit, in, sizeof unit);
        if (inLeft >= 4)
            memcpy(&next, in + 2, sizeof next);
        const bool pair = QChar::isHighSurrogate(unit) && QChar::isLowSurrogate(next);
        const char byte = IsUndefinedAnsiByte(unit) ? static_cast<char>(unit) : '?';
        sink.Append(&byte, 1);
        const size_t used = qMin<size_t>(pair ? 4 : 2, inLeft);
        in += used;
        inLeft -= used;
    });
}

QString Utf8ToWide(const char* data, qsizetype size)
{
    if (size <= 0)
        return QString();
    // Never more UTF-16 units than bytes: one byte gives at most one unit, four bytes at most two.
    QString text(size, Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(text.data());
    const auto* bytes = reinterpret_cast<const unsigned char*>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char b = bytes[i++];
        if (b < 0x80) {
            *out++ = b;
            continue;
        }
        const Utf8Lead lead = ReadLead(b);
        char32_t codePoint = lead.payload;
        unsigned low = lead.low;
        unsigned high = lead.high;
        int taken = 0;
        while (taken < lead.trail && i < size && bytes[i] >= low && bytes[i] <= high) {
            codePoint = (codePoint << 6) | (bytes[i++] & 0x3F);
            low = 0x80;
            high = 0xBF;
            ++taken;
        }
        out = WriteUnits(out, lead.trail > 0 && taken == lead.trail ? codePoint : kReplacement);
    }
    text.truncate(out - reinterpret_cast<const char16_t*>(text.constData()));
    return text;
}

bool ConvertToUtf8(const QByteArray& bytes, const QByteArray& charset, QByteArray& out)
{
    out.clear();
    // Suffixes such as "//IGNORE" would change iconv's behaviour, and a NUL would cut the name short.
    if (charset.isEmpty() || charset.contains('/') || charset.contains('\0'))
        return false;
    // Charsets vary from mail to mail; one open per conversion is small next to a body's conversion.
    const Iconv cd("UTF-8", charset.constData());
    if (!cd.IsValid())
        return false;
    out = Run(cd.Get(), bytes.constData(), bytes.size(), bytes.size() + bytes.size() / 2,
        [](char*& in, size_t& inLeft, Sink& sink) {
            sink.Append(kUtf8Replacement, 3);
            ++in;
            --inLeft;
        });
    return true;
}
