#pragma once
#include "export/ExportedEmail.h"

#include <QByteArray>
#include <QString>

// The body of an email as the preview shows it: the HTML part, or the text parts escaped in <pre>.
QString EmailBodyHtml(const QByteArray& email);

// A self-contained UTF-8 page: the four header texts and the attachment names above the body, inline
// images as data: URIs, no script and no live remote reference.
QByteArray HtmlPage(const ExportedEmail& email);
