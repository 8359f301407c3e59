#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// The Content-Type "name" of every non-text part of the preview file that is an attachment, each followed
// by ",", trailing commas removed; "" when the file cannot be read.
QString ReadAttachmentNames(const QString& path);
// The names of those parts of an email's bytes, one entry each (a name may hold a comma).
QStringList AttachmentNamesOf(QByteArray data);

// The attachment rows of an mbox email: one per comma-separated piece of names (none when names is "").
QStringList AttachmentRowsFromNames(const QString& names);

// The attachment row of an .imm "[%ImFilePath%]" entry: leading "-" removed, then the text after its last
// backslash (the marker names a Windows path).
QString ImmAttachmentRow(const QString& entry);
