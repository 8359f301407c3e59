#pragma once
#include "scan/ScannedFileEntry.h"

#include <QByteArray>
#include <QByteArrayView>
#include <cstdint>

// An mbox slice without its separator: the line break before "From " and the "From " line itself.
// A slice that does not begin with a separator is given back whole.
QByteArrayView WithoutMboxSeparator(QByteArrayView slice);

// The bytes of email index (0-based) of a scanned file as a mail program stores them: for an mbox file
// without its separator, and without the CR of a CR LF break that precedes the next separator; for an
// .imm container the slice as is. False when the index lies outside the offset table or the buffer
// cannot be had.
bool ReadExportEmail(const ScannedFileEntry& entry, int64_t index, QByteArray& bytes);
