#include "export/SaveOutputJob.h"
#include "platform/ScriptedPrompts.h"
#include "tests/support/RecordingFrame.h"
#include "ui/dialogs/CDialogUnits.h"
#include "ui/dialogs/CSaveOutputDlg.h"
#include "ui/export/CWebPdfPrinter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <thread>

class ExportGuiTest : public QObject {
    Q_OBJECT
private slots:
    void DialogShowsTheTemplateControls();
    void OkRefusesAFolderThatCannotTakeTheExport();
    void PdfExportHoldsTheSubjectAsText();
};

void ExportGuiTest::DialogShowsTheTemplateControls()
{
    CScriptedPrompts prompts;
    CSaveOutputDlg dialog(prompts);
    QCOMPARE(dialog.size(), CDialogUnits(dialog.font()).Size(355, 184));
    for (const int id : {1027, 1025, 1023, 1021, 1001})
        QVERIFY2(dialog.Control(id) && !dialog.Control(id)->isEnabled(), qPrintable(QString::number(id)));
    for (const int id : {1024, 1028, 1029, CSaveOutputDlg::kPdfOptionId, 1051, 1013, 1000, 1, 2})
        QVERIFY2(dialog.Control(id) && dialog.Control(id)->isEnabled(), qPrintable(QString::number(id)));
    QVERIFY(static_cast<QAbstractButton*>(dialog.Control(1024))->isChecked());
    QCOMPARE(static_cast<QAbstractButton*>(dialog.Control(1028))->text(), QStringLiteral("Save as RTF"));

    if (const QString folder = qEnvironmentVariable("ORLANDA_SCREENSHOTS"); !folder.isEmpty()) {
        QDir().mkpath(folder);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QVERIFY(dialog.grab().save(folder + QStringLiteral("/save-output-dialog.png")));
    }
}

void ExportGuiTest::OkRefusesAFolderThatCannotTakeTheExport()
{
    QTemporaryDir folder;
    CScriptedPrompts prompts;
    prompts.QueueFolder(folder.filePath(QStringLiteral("missing")));
    CSaveOutputDlg dialog(prompts);
    static_cast<QAbstractButton*>(dialog.Control(1013))->click();
    QCOMPARE(static_cast<QLineEdit*>(dialog.Control(1051))->text(), folder.filePath(QStringLiteral("missing")));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QCOMPARE(prompts.Shown(), QStringList({QStringLiteral("The selected folder does not exist.")}));

    prompts.QueueFolder(folder.path());
    static_cast<QAbstractButton*>(dialog.Control(1013))->click();
    static_cast<QAbstractButton*>(dialog.Control(CSaveOutputDlg::kPdfOptionId))->click();
    static_cast<QAbstractButton*>(dialog.Control(1000))->click();
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const ExportOptions options = dialog.Options();
    QCOMPARE(options.eFormat, ExportFormat::Pdf);
    QCOMPARE(options.strFolder, folder.path());
    QVERIFY(options.bHierarchy);
}

void ExportGuiTest::PdfExportHoldsTheSubjectAsText()
{
    QTemporaryDir folder;
    const QString mailbox = folder.filePath(QStringLiteral("box.mbox"));
    QFile file(mailbox);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("From x Mon Jan  1 00:00:00 2024\nSubject: Quarterly figures\nFrom: ann@example.com\n\n"
               "<script>document.write('INJ' + 'ECTED')</script>Body text\n");
    file.close();
    CAppMembers app;
    CFrameMembers frame;
    RecordingFrame ui;
    JobContext ctx{app, frame, ui};
    ScannedFileEntry entry;
    entry.pScanner = std::make_unique<MboxFileScanner>();
    entry.strPath = mailbox;
    QVERIFY(entry.pScanner->Open(mailbox));
    entry.pScanner->ScanFromLines();
    frame.m_vecScannedFiles.push_back(std::move(entry));

    CWebPdfPrinter printer;
    ExportRequest request{ExportOptions{ExportFormat::Pdf, folder.path(), false}, {1}};
    app.g_bProcessRunning = 1;
    int64_t written = -1;
    // As in the window: the job on a worker, the page printed on this (the UI) thread.
    std::thread worker([&] { written = SaveOutputThread(ctx, request, &printer); });
    QTRY_VERIFY_WITH_TIMEOUT(app.g_bProcessRunning == 0, 60000);
    worker.join();
    QCOMPARE(written, int64_t(1));

    const QStringList pdfs = QDir(folder.path()).entryList({QStringLiteral("*.pdf")});
    QCOMPARE(pdfs.size(), 1);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {folder.filePath(pdfs.first()), QStringLiteral("-")});
    QVERIFY(text.waitForFinished(30000));
    const QString content = QString::fromUtf8(text.readAllStandardOutput());
    QVERIFY2(content.contains(QStringLiteral("Quarterly figures")), qPrintable(content));
    QVERIFY2(content.contains(QStringLiteral("Body text")), qPrintable(content));
    QVERIFY(!content.contains(QStringLiteral("INJECTED"))); // the script never ran
}

int main(int argc, char** argv)
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ExportGuiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "ExportGuiTest.moc"
