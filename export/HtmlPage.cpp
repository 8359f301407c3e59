#include "export/HtmlPage.h"

#include "display/PreviewRenderer.h"

#include <QRegularExpression>

namespace {

// Nothing but inline styles and embedded images may load, so a mail's scripts and remote references
// stay dead in any browser that opens the page.
constexpr char kHead[] = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">\n"
                         "<meta http-equiv=\"Content-Security-Policy\" content=\"default-src 'none'; "
                         "img-src data:; style-src 'unsafe-inline'\">\n"
                         "<style>table.headers{border-collapse:collapse;margin-bottom:1em;font-family:sans-serif}"
                         "table.headers th{text-align:left;padding-right:1em;vertical-align:top}</style>\n";

QString HeaderRow(const QString& label, const QString& value)
{
    return QStringLiteral("<tr><th>%1</th><td>%2</td></tr>\n").arg(label, value.toHtmlEscaped());
}

// Script elements and inline event handlers go; the policy above already keeps them from running.
QString WithoutScripts(QString html)
{
    static const QRegularExpression scripts(QStringLiteral("<script\\b.*?(</script\\s*>|$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression handlers(QStringLiteral("\\s on[a-z]+\\s*="),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::ExtendedPatternSyntaxOption);
    return html.remove(scripts).replace(handlers, QStringLiteral(" data-removed="));
}

// The bare media type: a mail's parameters or quotes must not reach the data: URI or break its attribute.
QByteArray MediaTypeOnly(const QByteArray& contentType)
{
    const qsizetype semicolon = contentType.indexOf(';');
    QByteArray type = (semicolon < 0 ? contentType : contentType.first(semicolon)).trimmed().toLower();
    static const QByteArray allowed = "abcdefghijklmnopqrstuvwxyz0123456789!#$&^_.+-/";
    for (char c : type) {
        if (!allowed.contains(c))
            return "application/octet-stream";
    }
    return type.isEmpty() ? "application/octet-stream" : type;
}

} // namespace

QString EmailBodyHtml(const QByteArray& email)
{
    const PreviewRenderer rendered(email);
    return QString::fromUtf8(rendered.PageHtml([&rendered](qsizetype i) {
        const PreviewPart& part = rendered.Parts()[static_cast<size_t>(i)];
        return "data:" + MediaTypeOnly(part.contentType) + ";base64," + part.bytes.toBase64();
    }));
}

QByteArray HtmlPage(const ExportedEmail& email)
{
    const EmailSummary& summary = email.summary;
    QString page = QString::fromLatin1(kHead) + QStringLiteral("<title>%1</title></head><body>\n")
                                                    .arg(summary.strSubject.toHtmlEscaped());
    page += QStringLiteral("<table class=\"headers\">\n") + HeaderRow(QStringLiteral("Subject:"), summary.strSubject)
        + HeaderRow(QStringLiteral("From:"), summary.strFrom) + HeaderRow(QStringLiteral("To:"), summary.strTo)
        + HeaderRow(QStringLiteral("Date:"), summary.strDate);
    if (!email.vecAttachments.isEmpty())
        page += HeaderRow(QStringLiteral("Attachments:"), email.vecAttachments.join(QStringLiteral(", ")));
    page += QStringLiteral("</table>\n<hr>\n") + WithoutScripts(EmailBodyHtml(email.bytes))
        + QStringLiteral("\n</body></html>\n");
    return page.toUtf8();
}
