#pragma once
#include <QString>

// The text a reader sees in an HTML page: tags, comments, scripts, styles and the head dropped, block ends
// as line breaks, white space collapsed outside <pre>, character references decoded.
QString HtmlToPlainText(const QString& html);
