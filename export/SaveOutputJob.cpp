#include "export/SaveOutputJob.h"

#include "display/HeaderText.h"
#include "export/CsvIndex.h"
#include "export/EmailDocument.h"
#include "export/ExportedEmail.h"
#include "export/SafeFileName.h"
#include "export/UniqueFile.h"
#include "scan/ProcessGuard.h"

#include <QElapsedTimer>
#include <QFileInfo>

namespace {

const QString kNoFileText = QStringLiteral("Please select file to recover data.");
constexpr qsizetype kFolderNameLength = 64;
// Progress and caption go to the window at most this often; every call waits for the UI thread.
constexpr qint64 kShowMilliseconds = 50;

class CExportRun {
public:
    CExportRun(JobContext& ctx, const ExportRequest& request, IPdfPrinter* pdf)
        : m_ctx(ctx), m_options(request.options), m_files(request.vecFileNumbers), m_pdf(pdf)
    {
    }

    int64_t Run()
    {
        m_ctx.ui.ShowProgressBar(true);
        if (!m_options.bHierarchy)
            OpenIndex(m_options.strFolder);
        for (const int64_t number : m_files) {
            if (Stopped())
                break;
            if (number >= 1 && number <= static_cast<int64_t>(m_ctx.frame.m_vecScannedFiles.size()))
                ExportFile(m_ctx.frame.m_vecScannedFiles[number - 1]);
        }
        CloseIndex();
        if (Stopped())
            m_ctx.ui.OutputLine(QStringLiteral("Saving has been stopped."));
        const QString done = QStringLiteral("%1 emails have been saved to %2.").arg(m_nWritten).arg(m_options.strFolder);
        m_ctx.ui.OutputLine(done);
        m_ctx.ui.ShowProgressBar(false);
        m_ctx.app.g_bProcessRunning.store(0, std::memory_order_relaxed);
        m_ctx.ui.MessageBox(done);
        return m_nWritten;
    }

private:
    bool Stopped() const { return m_ctx.app.g_bProcessRunning.load(std::memory_order_relaxed) == 0; }

    void ExportFile(const ScannedFileEntry& entry)
    {
        const QString name = FileNameFromPath(entry.strPath);
        m_ctx.ui.OutputLine(QStringLiteral("Saving emails of %1.").arg(name));
        QString folder = m_options.strFolder;
        if (m_options.bHierarchy) {
            const QString folderName = SafeFileNamePart(name, kFolderNameLength);
            folder = CreateUniqueFolder(folder, folderName.isEmpty() ? QStringLiteral("mailbox") : folderName);
            if (folder.isEmpty()) {
                m_ctx.ui.OutputLine(QStringLiteral("Could not create a folder for %1.").arg(name));
                return;
            }
            OpenIndex(folder);
        }
        const int64_t count = std::max<int64_t>(0, static_cast<int64_t>(entry.pScanner->m_offsets.size()) - 1);
        m_ctx.ui.ProgressRange(0, count);
        m_shown.start();
        int64_t i = 0;
        for (; i < count && !Stopped(); ++i) {
            ExportEmail(entry, name, i, folder);
            if (i == 0 || m_shown.elapsed() >= kShowMilliseconds)
                ShowCount(name, i + 1, count);
        }
        ShowCount(name, i, count);
        if (m_options.bHierarchy)
            CloseIndex();
    }

    void ExportEmail(const ScannedFileEntry& entry, const QString& name, int64_t i, const QString& folder)
    {
        ExportedEmail email;
        QByteArray content;
        const QString failed = QStringLiteral("Could not save email %1 of %2.").arg(i + 1).arg(name);
        if (!LoadExportedEmail(entry, i, email) || !RenderEmail(m_options.eFormat, email, m_pdf, content)) {
            m_ctx.ui.OutputLine(failed);
            return;
        }
        const EmailSummary& summary = email.summary;
        QFile file;
        if (!CreateUniqueFile(folder, ExportBaseName(email.nNumber, summary.strDate, summary.strSubject),
                              ExportExtension(m_options.eFormat), file)) {
            m_ctx.ui.OutputLine(failed);
            return;
        }
        if (file.write(content) != content.size() || !file.flush()) {
            // Only the file this run created goes; a half-written email is worse than none.
            file.remove();
            m_ctx.ui.OutputLine(failed);
            return;
        }
        file.close();
        m_index.AddRow(QFileInfo(file.fileName()).fileName(), summary.strDate, summary.strFrom, summary.strTo,
                       summary.strSubject, email.vecAttachments);
        ++m_nWritten;
    }

    void ShowCount(const QString& name, int64_t done, int64_t count)
    {
        m_ctx.ui.ProgressPos(done);
        m_ctx.ui.SetCaptionText(QStringLiteral("%1 [%2 / %3]").arg(name).arg(done).arg(count));
        m_shown.restart();
    }

    void OpenIndex(const QString& folder)
    {
        m_strIndexFolder = folder;
        if (!m_index.Create(folder))
            m_ctx.ui.OutputLine(QStringLiteral("Could not create index.csv in %1.").arg(folder));
    }

    void CloseIndex()
    {
        if (m_index.IsOpen() && !m_index.Close())
            m_ctx.ui.OutputLine(QStringLiteral("Could not write index.csv in %1.").arg(m_strIndexFolder));
    }

    JobContext& m_ctx;
    const ExportOptions m_options;
    const std::vector<int64_t> m_files;
    IPdfPrinter* m_pdf;
    CCsvIndex m_index;
    QString m_strIndexFolder;
    QElapsedTimer m_shown;
    int64_t m_nWritten = 0;
};

} // namespace

std::optional<ExportRequest> OnSaveOutput(JobContext& ctx, const AskExportOptions& ask)
{
    if (RefuseWhileRunning(ctx))
        return std::nullopt;
    ExportRequest request;
    if (!ctx.frame.m_vecScannedFiles.empty())
        request.vecFileNumbers = ctx.ui.CheckedFileNumbers();
    if (request.vecFileNumbers.empty()) {
        ctx.ui.MessageBox(kNoFileText);
        return std::nullopt;
    }
    const std::optional<ExportOptions> options = ask();
    if (!options)
        return std::nullopt;
    request.options = *options;
    ctx.app.g_bProcessRunning.store(1, std::memory_order_relaxed);
    return request;
}

int64_t SaveOutputThread(JobContext& ctx, const ExportRequest& request, IPdfPrinter* pdf)
{
    return CExportRun(ctx, request, pdf).Run();
}
