#pragma once
#include <QByteArray>
#include <QString>

// The process-wide "ANSI" code page is Windows-1252. Its five undefined bytes (0x81 0x8D 0x8F 0x90 0x9D)
// become the C1 controls of the same value, so that no byte is lost and WideToAnsi gives it back.
QString AnsiToWide(const char* data, qsizetype size);
// Characters without a Windows-1252 byte become "?".
QByteArray WideToAnsi(const QString& text);

// Each invalid sequence (the longest prefix of a well-formed sequence, or one byte) becomes one U+FFFD.
QString Utf8ToWide(const char* data, qsizetype size);

// Converts bytes in charset (any name iconv knows) to UTF-8; every invalid input byte becomes U+FFFD and the
// conversion goes on. False, with out empty, for a charset that iconv does not know.
bool ConvertToUtf8(const QByteArray& bytes, const QByteArray& charset, QByteArray& out);
