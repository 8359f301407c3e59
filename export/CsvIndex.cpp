#include "export/CsvIndex.h"

#include "export/UniqueFile.h"

bool CCsvIndex::Create(const QString& folder)
{
    m_bFailed = false;
    if (!CreateUniqueFile(folder, QStringLiteral("index"), QStringLiteral(".csv"), m_file))
        return false;
    m_bFailed = m_file.write("\xEF\xBB\xBF") != 3;
    WriteRow({QStringLiteral("File"), QStringLiteral("Date"), QStringLiteral("From"), QStringLiteral("To"),
              QStringLiteral("Subject"), QStringLiteral("Attachments")});
    return true;
}

void CCsvIndex::AddRow(const QString& fileName, const QString& date, const QString& from, const QString& to,
                       const QString& subject, const QStringList& attachments)
{
    WriteRow({fileName, date, from, to, subject, attachments.join(QStringLiteral("; "))});
}

bool CCsvIndex::Close()
{
    if (!m_file.isOpen())
        return false;
    m_bFailed |= !m_file.flush();
    m_file.close();
    return !m_bFailed;
}

void CCsvIndex::WriteRow(const QStringList& fields)
{
    if (!m_file.isOpen())
        return;
    QStringList quoted;
    for (const QString& field : fields)
        quoted.append(CsvField(field));
    const QByteArray row = quoted.join(u',').toUtf8() + "\r\n";
    m_bFailed |= m_file.write(row) != row.size();
}

QString CsvField(const QString& text)
{
    // Mail headers may carry "=cmd|..." or "=HYPERLINK(...)"; a spreadsheet must show them as text.
    const bool formula = !text.isEmpty() && QStringView(u"=+-@\t\r").contains(text.front());
    const QString value = formula ? u'\'' + text : text;
    const bool quote = value.contains(u',') || value.contains(u'"') || value.contains(u'\n') || value.contains(u'\r')
        || (!value.isEmpty() && (value.front().isSpace() || value.back().isSpace()));
    if (!quote)
        return value;
    QString escaped = value;
    escaped.replace(u'"', QStringLiteral("\"\""));
    return u'"' + escaped + u'"';
}
