#pragma once
#include "scan/JobContext.h"

#include <QString>

// The text after the last "/" of path; "" when there is none.
QString FileNameFromPath(const QString& path);

// Messages in a table: entries - 1, or 0 for an empty table.
uint64_t MessageCount(const MessageOffsetTable& offsets);

// Makes the scanner of path the current one, classifies the file (.imm, Attachments folder beside it) and
// appends its entry, which owns the scanner.
MboxFileScanner& AddScannedFile(JobContext& ctx, const QString& path);

// The file's top item at the root: text path, item data m_nFileCount, checked.
HTreeItem InsertFileItem(JobContext& ctx, const QString& path, int image);

// The folder item "name(count)" under fileItem, checked, and fileItem expanded.
void InsertFolderItem(JobContext& ctx, HTreeItem fileItem, const QString& path, uint64_t count);

// Destroys every scanner (closing its file) and empties the list.
void DiscardScannedFiles(CFrameMembers& frame);
