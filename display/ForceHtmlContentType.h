#pragma once
#include <QByteArray>

// When no CR LF "Content-Type:" line of the email (header or any part) names text/html or text/plain,
// the first such line is replaced by a text/html ISO-8859-1 line ending in a bare LF, so that the
// browser shows the content as a page. An email without any such line is left unchanged.
void ForceHtmlContentType(QByteArray& data);
