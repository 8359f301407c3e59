#include "cli/CliSession.h"

#include "cli/JsonText.h"
#include "scan/ScanJob.h"
#include "scan/ScannedFiles.h"

#include <QDir>
#include <cstdio>

CliSession::CliSession() { m_app.m_strTempPath = m_tempBase.path(); }

QString CliSession::AbsolutePath(const QString& file) { return QDir::current().absoluteFilePath(file); }

bool CliSession::Scan(const QStringList& paths)
{
    if (!BeginOpenCommand(m_ctx))
        return false;
    m_app.m_vecMboxFiles = paths;
    StartScanFiles(m_ctx);
    m_frameMembers.m_worker.Join();
    return true;
}

bool CliSession::PrintScannedFiles()
{
    bool allOpened = true;
    const auto& entries = m_frameMembers.m_vecScannedFiles;
    for (size_t i = 0; i < entries.size(); ++i) {
        const ScannedFileEntry& entry = entries[i];
        const bool opened = entry.pScanner->IsOpen();
        const HTreeItem folder = m_frame.FolderItem(i);
        QByteArray line = "{\"path\":" + JsonString(entry.strPath) + ",\"isImm\":" + (entry.bIsImm ? "1" : "0")
            + ",\"hasAttachments\":" + (entry.bHasAttachments ? "1" : "0") + ",\"opened\":" + (opened ? "true" : "false")
            + ",\"label\":" + (folder == kNoTreeItem ? QByteArray("null") : JsonString(m_frame.TreeGetItemText(folder)))
            + ",\"count\":" + QByteArray::number(quint64(MessageCount(entry.pScanner->m_offsets))) + ",\"offsets\":[";
        for (size_t k = 0; k < entry.pScanner->m_offsets.size(); ++k)
            line += (k ? "," : "") + QByteArray::number(quint64(entry.pScanner->m_offsets[k]));
        std::fprintf(stdout, "%s]}\n", line.constData());
        allOpened = allOpened && opened;
    }
    std::fflush(stdout);
    return allOpened;
}

int Fail(int status, const QString& reason)
{
    std::fprintf(stderr, "orlanda-cli: %s\n", reason.toLocal8Bit().constData());
    return status;
}
