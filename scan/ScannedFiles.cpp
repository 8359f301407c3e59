#include "scan/ScannedFiles.h"

#include <QFileInfo>

namespace {
constexpr int kFolderImage = 0;
} // namespace

QString FileNameFromPath(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.mid(slash + 1);
}

uint64_t MessageCount(const MessageOffsetTable& offsets)
{
    return offsets.empty() ? 0 : offsets.size() - 1;
}

MboxFileScanner& AddScannedFile(JobContext& ctx, const QString& path)
{
    auto scanner = std::make_unique<MboxFileScanner>();
    scanner->m_hWndNotify = &ctx.ui;
    ctx.frame.m_pCurScanner = scanner.get();
    ctx.frame.m_bCurIsImm = path.endsWith(QStringLiteral(".imm"), Qt::CaseSensitive);
    ctx.frame.m_bCurHasAttachments = false;
    if (ctx.frame.m_bCurIsImm) {
        scanner->m_strAttachmentsFolder = path.left(qMax<qsizetype>(path.lastIndexOf(u'/'), 0))
            + QStringLiteral("/Attachments/");
        ctx.frame.m_bCurHasAttachments = QFileInfo(scanner->m_strAttachmentsFolder).isDir();
    }
    MboxFileScanner& added = *scanner;
    ctx.frame.m_vecScannedFiles.push_back(
        {std::move(scanner), path, ctx.frame.m_bCurIsImm, ctx.frame.m_bCurHasAttachments});
    return added;
}

HTreeItem InsertFileItem(JobContext& ctx, const QString& path, int image)
{
    const HTreeItem item = ctx.ui.TreeInsertItem(kNoTreeItem, path, image, image);
    ctx.ui.TreeSetItemData(item, ctx.frame.m_nFileCount);
    ctx.ui.TreeSetCheck(item, true);
    return item;
}

void InsertFolderItem(JobContext& ctx, HTreeItem fileItem, const QString& path, uint64_t count)
{
    const QString label = FileNameFromPath(path) + u'(' + QString::number(count) + u')';
    const HTreeItem item = ctx.ui.TreeInsertItem(fileItem, label, kFolderImage, kFolderImage);
    ctx.ui.TreeSetItemData(item, ctx.frame.m_nFileCount);
    ctx.ui.TreeSetCheck(item, true);
    ctx.ui.TreeExpand(fileItem);
}

void DiscardScannedFiles(CFrameMembers& frame)
{
    frame.m_pCurScanner = nullptr;
    frame.m_vecScannedFiles.clear();
}
