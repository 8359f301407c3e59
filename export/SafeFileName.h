#pragma once
#include <QString>
#include <cstdint>

// text made fit to be one file-name component: path separators, characters that other systems refuse
// and control characters become "_", runs of white space one space, leading and trailing dots and spaces
// go, and at most maxLength UTF-16 units stay (never half a surrogate pair). "" when nothing is left.
QString SafeFileNamePart(const QString& text, qsizetype maxLength);

// The base name of an exported email: its 1-based index, its date (as yyyy-MM-dd when the header parses)
// and its subject, e.g. "00012 2024-03-05 Quarterly figures". Always safe and never empty.
QString ExportBaseName(int64_t index, const QString& date, const QString& subject);
