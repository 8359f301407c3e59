#pragma once
#include <QByteArrayView>
#include <QString>
#include <QStringList>

// Appends the text after every "[%ImFilePath%]" marker of an .imm email (up to the line end) to paths,
// in file order, empty ones too; true when at least one marker was found.
bool CollectImFilePaths(QByteArrayView data, QStringList& paths);

// The raw value of the first non-empty header-like line "name:" at the start of data or right after an LF,
// anywhere in the email, up to the next LF and untrimmed; "" when there is none.
QString FindRawHeaderLine(QByteArrayView data, QByteArrayView name);
