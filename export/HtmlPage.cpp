#include "export/HtmlPage.h"

QString EmailBodyHtml(const QByteArray& email)
{
    const qsizetype blank = email.indexOf("\r\n\r\n");
    return QStringLiteral("<pre>") + QString::fromUtf8(email.mid(blank < 0 ? email.size() : blank + 4)).toHtmlEscaped() + QStringLiteral("</pre>");
}

QByteArray HtmlPage(const ExportedEmail& email)
{
    return "<html><body>" + EmailBodyHtml(email.bytes).toUtf8() + "</body></html>";
}
