#pragma once
#include "scan/JobContext.h"

#include <QString>

// Scans the file at path (a .imm name as a container) into the frame's entries and inserts its file item
// and its folder item named name, both carrying the entry's number; the folder item.
HTreeItem AddScannedMailbox(CFrameMembers& frame, IMainFrame& ui, const QString& path, const QString& name);
