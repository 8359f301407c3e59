#pragma once
#include "display/EmailSummary.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// An RTF document (ASCII only) with the four header texts, the attachment names and the plain-text body.
QByteArray RtfDocument(const EmailSummary& summary, const QStringList& attachments, const QString& body);

// text as RTF: "\", "{" and "}" escaped, line breaks as \line, tabs as \tab, other control characters
// dropped, and every non-ASCII character as \uN? with N the signed 16-bit value of each UTF-16 unit, so
// characters beyond the BMP become their surrogate pair.
QByteArray RtfEscape(const QString& text);
