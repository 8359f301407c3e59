#include "export/RtfDocument.h"

namespace {

QByteArray HeaderLine(const char* label, const QString& value)
{
    return QByteArray("{\\b ") + label + ":}\\tab " + RtfEscape(value) + "\\par\n";
}

} // namespace

QByteArray RtfEscape(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue;
        if (c == u'\n' || c == u'\r')
            out += "\\line\n";
        else if (c == u'\t')
            out += "\\tab ";
        else if (c == u'\\' || c == u'{' || c == u'}')
            out += '\\' + QByteArray(1, static_cast<char>(c));
        else if (c >= 0x20 && c < 0x7F)
            out += static_cast<char>(c);
        else if (c >= 0x80)
            out += "\\u" + QByteArray::number(static_cast<int16_t>(c)) + '?';
    }
    return out;
}

QByteArray RtfDocument(const EmailSummary& summary, const QStringList& attachments, const QString& body)
{
    QByteArray rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl{\\f0\\fswiss Arial;}}\n\\f0\\fs20\n";
    rtf += HeaderLine("Subject", summary.strSubject);
    rtf += HeaderLine("From", summary.strFrom);
    rtf += HeaderLine("To", summary.strTo);
    rtf += HeaderLine("Date", summary.strDate);
    if (!attachments.isEmpty())
        rtf += HeaderLine("Attachments", attachments.join(QStringLiteral(", ")));
    rtf += "\\par\n" + RtfEscape(body) + "\\par\n}\n";
    return rtf;
}
