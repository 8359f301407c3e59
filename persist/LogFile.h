#pragma once
#include <QDateTime>
#include <QString>

// This run's log on the desktop: UTF-16LE lines, each write handed to the kernel at once so the file is
// complete when the process is terminated.
class CLogFile {
public:
    CLogFile() = default;
    ~CLogFile();
    CLogFile(const CLogFile&) = delete;
    CLogFile& operator=(const CLogFile&) = delete;

    // Opens "KavrenOrlandaConv_log_<d-m-yyyy-h-m-s>.txt" in desktopFolder, creating it with a byte-order mark
    // or appending to a file from a run started in the same second, then writes the separator line.
    // False, and closed, when the file cannot be opened or locked; the program then runs without a log.
    bool Open(const QString& desktopFolder, const QDateTime& now);
    void Close();
    bool IsOpen() const { return m_fd >= 0; }
    // The path of this run's log, also after a failed open; "" when there was no desktop folder.
    QString Path() const { return m_strLogPath; }

    // The text's UTF-16LE code units, then CR LF. Skipped when not open; a failed write loses the line.
    void WriteLine(const QString& text);
    // Bytes that already are UTF-16LE text, then CR LF.
    void WriteRaw(const char* bytes, qsizetype size);

private:
    void WriteAll(const QByteArray& bytes);

    int m_fd = -1;
    QString m_strLogPath;
};
