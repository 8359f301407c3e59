#include "tests/support/ScannedMailbox.h"

#include <gtest/gtest.h>

HTreeItem AddScannedMailbox(CFrameMembers& frame, IMainFrame& ui, const QString& path, const QString& name)
{
    ScannedFileEntry entry;
    entry.pScanner = std::make_unique<MboxFileScanner>();
    entry.strPath = path;
    entry.bIsImm = name.endsWith(QStringLiteral(".imm"));
    EXPECT_TRUE(entry.pScanner->Open(path));
    if (entry.bIsImm)
        entry.pScanner->ScanMimeVersion(path);
    else
        entry.pScanner->ScanFromLines();
    frame.m_vecScannedFiles.push_back(std::move(entry));
    const int64_t number = static_cast<int64_t>(frame.m_vecScannedFiles.size());
    const HTreeItem fileItem = ui.TreeInsertItem(kNoTreeItem, path, 0, 0);
    ui.TreeSetItemData(fileItem, number);
    const HTreeItem folderItem = ui.TreeInsertItem(fileItem, name, 0, 0);
    ui.TreeSetItemData(folderItem, number);
    return folderItem;
}
