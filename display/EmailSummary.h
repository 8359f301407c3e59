#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The four header texts and the attachment mark of one email.
struct EmailSummary {
    QString strTo;
    QString strFrom;
    QString strSubject;
    QString strDate;
    bool bHasAttachment = false;
};

// Reads the summary of one email's raw bytes. An email without CR LF line ends is normalised first and
// buffer is replaced by the normalised copy. For an .imm email the mark comes from its collected
// "[%ImFilePath%]" markers, for an mbox email from its parts' name and filename parameters.
EmailSummary ReadEmailSummary(QByteArray& buffer, bool bIsImm, const QStringList& immAttachments);

// The same summary of an mbox email, parsed from a CR LF copy of its header lines and its parts' header
// lines only (made in scratch, which callers reuse), so its contents are neither copied nor searched twice.
EmailSummary ReadMboxEmailSummary(QByteArrayView raw, QByteArray& scratch);
