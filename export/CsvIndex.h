#pragma once
#include <QFile>
#include <QString>
#include <QStringList>

// The "index.csv" of one output folder: UTF-8 with a byte order mark (so spreadsheet programs take it as
// UTF-8), CR LF row ends, fields quoted as RFC 4180 has it, one header row and one row per exported email.
class CCsvIndex {
public:
    // Creates the index in folder without replacing anything ("index (2).csv" when the name is taken).
    bool Create(const QString& folder);
    bool IsOpen() const { return m_file.isOpen(); }
    void AddRow(const QString& fileName, const QString& date, const QString& from, const QString& to,
                const QString& subject, const QStringList& attachments);
    // Flushes and closes; false when a write failed.
    bool Close();

private:
    void WriteRow(const QStringList& fields);

    QFile m_file;
    bool m_bFailed = false;
};

// One CSV field: quoted when it holds a comma, a quote, a line break or leading or trailing space, with
// quotes doubled. A field that a spreadsheet would take for a formula gets a leading apostrophe.
QString CsvField(const QString& text);
