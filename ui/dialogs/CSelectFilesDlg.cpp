#include "ui/dialogs/CSelectFilesDlg.h"

#include "platform/TempFolder.h"
#include "scan/JobContext.h"
#include "ui/dialogs/CDialogUnits.h"
#include "ui/dialogs/CFileListModel.h"
#include "ui/dialogs/CFolderWalk.h"
#include "ui/dialogs/QtUserPrompts.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <chrono>
#include <climits>

namespace {

constexpr int kSearchSteps = 1000;     // the search bar fills in kSearchSteps timer ticks, then starts over
constexpr int kSearchTickMs = 100;
constexpr int kFileNameWidth = 500;
constexpr int kMaxQueuedBatches = 2;   // batches on their way to the dialog before a worker waits

// The list's file picture is drawn on magenta, which stands for "see-through".
QIcon MaskedIcon(const QString& resource)
{
    QPixmap picture(resource);
    picture.setMask(picture.createMaskFromColor(Qt::magenta));
    return QIcon(picture);
}

bool IsSwallowedKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape;
}

} // namespace

CSelectFilesDlg::CSelectFilesDlg(CAppMembers& app, QWidget* parent, IUserPrompts* prompts)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint),
      m_app(app),
      m_pOwnPrompts(prompts ? nullptr : std::make_unique<CQtUserPrompts>(this)),
      m_pPrompts(prompts ? prompts : m_pOwnPrompts.get())
{
    setWindowTitle(QStringLiteral("Select File"));
    setModal(true);
    BuildControls();
    m_searchTimer.setInterval(kSearchTickMs);
    connect(&m_searchTimer, &QTimer::timeout, this, &CSelectFilesDlg::OnSearchTimer);

    m_pTempPath->setText(SystemTempPath() + QLatin1Char('/'));
    ShowIdle();
    SetStatusByRule(Mode::Add);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

CSelectFilesDlg::~CSelectFilesDlg()
{
    StopWorker();
}

void CSelectFilesDlg::BuildControls()
{
    const CDialogUnits units(font());
    setFixedSize(units.Size(359, 285));

    (new QGroupBox(QStringLiteral("Select temporary path:"), this))->setGeometry(units.Rect(5, 5, 351, 30));
    (new QGroupBox(QStringLiteral("Add Files:"), this))->setGeometry(units.Rect(4, 37, 352, 225));

    m_pTempPath = new QLineEdit(this);
    m_pTempPath->setObjectName(QStringLiteral("tempPath"));
    m_pTempPath->setReadOnly(true);
    m_pTempPath->setGeometry(units.Rect(11, 16, 313, 14));
    connect(MakeButton(QStringLiteral("..."), units.Rect(329, 15, 21, 16), {}, {}), &QPushButton::clicked, this,
        &CSelectFilesDlg::OnBrowseTemp);

    connect(MakeButton(QStringLiteral("Add Files"), units.Rect(13, 51, 55, 18), QStringLiteral("Add"),
                QStringLiteral(":/dialogs/add_337.png")),
        &QPushButton::clicked, this, &CSelectFilesDlg::OnAddFiles);
    connect(MakeButton(QStringLiteral("Search File"), units.Rect(74, 51, 65, 18), QStringLiteral("Search File(s)"),
                QStringLiteral(":/dialogs/search_323.png")),
        &QPushButton::clicked, this, &CSelectFilesDlg::OnSearchFile);
    connect(MakeButton(QStringLiteral("Remove "), units.Rect(144, 51, 55, 18), QStringLiteral("Remove"),
                QStringLiteral(":/dialogs/remove_335.png")),
        &QPushButton::clicked, this, &CSelectFilesDlg::OnRemove);
    connect(MakeButton(QStringLiteral("Remove All"), units.Rect(203, 51, 65, 18), {}, {}), &QPushButton::clicked,
        this, &CSelectFilesDlg::OnRemoveAll);

    m_pModel = new CFileListModel(MaskedIcon(QStringLiteral(":/dialogs/file_339.png")), this);
    m_pList = new QTableView(this);
    m_pList->setObjectName(QStringLiteral("fileList"));
    m_pList->setModel(m_pModel);
    m_pList->setGeometry(units.Rect(10, 72, 340, 143));
    m_pList->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_pList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_pList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_pList->setShowGrid(true);
    m_pList->setWordWrap(false);
    m_pList->setIconSize(QSize(16, 16));
    m_pList->verticalHeader()->hide();
    // Fixed row heights keep a list of a hundred thousand rows cheap to lay out.
    m_pList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_pList->verticalHeader()->setDefaultSectionSize(std::max(18, fontMetrics().height() + 4));
    m_pList->horizontalHeader()->setStretchLastSection(false);
    m_pList->horizontalHeader()->resizeSection(0, kFileNameWidth);

    m_pStatus = new QLineEdit(this);
    m_pStatus->setObjectName(QStringLiteral("status"));
    m_pStatus->setReadOnly(true);
    m_pStatus->setFrame(false);
    QPalette statusColours = m_pStatus->palette();
    statusColours.setColor(QPalette::Base, palette().color(QPalette::Window));
    m_pStatus->setPalette(statusColours);
    m_pStatus->setGeometry(units.Rect(11, 219, 330, 17));

    m_pProgress = new QProgressBar(this);
    m_pProgress->setObjectName(QStringLiteral("progress"));
    m_pProgress->setTextVisible(false);
    m_pProgress->setGeometry(units.Rect(10, 244, 298, 10));

    m_pStop = MakeButton(QStringLiteral("Stop"), units.Rect(311, 238, 39, 17), QStringLiteral("Stop the process"),
        QStringLiteral(":/dialogs/stop_319.png"));
    connect(m_pStop, &QPushButton::clicked, this, &CSelectFilesDlg::OnStop);

    QPushButton* ok = MakeButton(QStringLiteral("OK"), units.Rect(129, 265, 50, 16), QStringLiteral("Ok"),
        QStringLiteral(":/dialogs/ok_321.png"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CSelectFilesDlg::accept);
    connect(MakeButton(QStringLiteral("Cancel"), units.Rect(184, 265, 50, 16), QStringLiteral("Cancel"),
                QStringLiteral(":/dialogs/cancel_322.png")),
        &QPushButton::clicked, this, &CSelectFilesDlg::reject);
}

QPushButton* CSelectFilesDlg::MakeButton(const QString& text, QRect rect, const QString& tip, const QString& image)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(text.trimmed());
    button->setGeometry(rect);
    button->setToolTip(tip);
    button->setAutoDefault(false);
    if (!image.isEmpty()) {
        button->setIcon(QIcon(image));
        button->setIconSize(QSize(16, 16));
    }
    return button;
}

void CSelectFilesDlg::OnAddFiles()
{
    if (Busy()) {
        Say(QStringLiteral("Please stop the running process to add file(s) in the list."));
        return;
    }
    const QStringList picked = m_pPrompts->ChooseOpenFiles();
    if (picked.isEmpty()) {
        ShowIdle();
        SetStatusByRule(Mode::Add);
        return;
    }
    m_pStatus->setText(QStringLiteral("Please wait while process is running."));
    m_pStop->show();
    m_pProgress->setRange(0, static_cast<int>(std::min<qsizetype>(picked.size(), INT_MAX)));
    m_pProgress->setValue(0);
    m_pProgress->show();
    StartWorker(Mode::Add, [this, picked](CPathBatcher& out) {
        for (const QString& path : picked) {
            if (!m_bRunning.load(std::memory_order_relaxed))
                break;
            out.Add({path, QFileInfo::exists(path)});
        }
    });
}

void CSelectFilesDlg::OnSearchFile()
{
    if (Busy()) {
        Say(QStringLiteral("Please stop the running process to search mbox files"));
        return;
    }
    const QString picked = m_pPrompts->ChooseFolder(QString(), QStringLiteral("Select folder to search file(s)"));
    if (picked.isEmpty())
        return;
    m_pProgress->setRange(0, kSearchSteps);
    m_pProgress->setValue(0);
    m_pProgress->show();
    m_searchTimer.start();
    const QString root = picked.trimmed();
    if (!QFileInfo(root).isDir()) {
        ShowIdle();
        return;
    }
    m_pStop->show();
    StartWorker(Mode::Search, [this, root](CPathBatcher& out) {
        CFolderWalk(m_bRunning, [&out](const QString& path) { out.Add({path, true}); }).Walk(root);
    });
}

void CSelectFilesDlg::OnRemove()
{
    if (m_bRunning.load(std::memory_order_relaxed))
        Say(QStringLiteral("Please stop the running process to remove file(s) from the list."));
    else if (m_pModel->rowCount() == 0)
        Say(QStringLiteral("No file(s) is present in the list to remove."));
    else if (!m_pList->selectionModel()->hasSelection())
        Say(QStringLiteral("No file(s) selected to remove."));
    else {
        QList<int> rows;
        for (const QModelIndex& index : m_pList->selectionModel()->selectedRows())
            rows.append(index.row());
        m_pModel->Remove(rows);
    }
    SetStatusByRule(Mode::Add);
}

void CSelectFilesDlg::OnRemoveAll()
{
    if (m_pModel->rowCount() == 0)
        Say(QStringLiteral("No file is present in the list to remove"));
    else {
        m_pModel->Clear();
        m_app.m_vecMboxFiles.clear();
    }
    SetStatusByRule(Mode::Add);
}

void CSelectFilesDlg::OnStop()
{
    if (m_pPrompts->AskYesNo(QStringLiteral("Do you want to stop the running process."), false))
        m_bRunning.store(0, std::memory_order_relaxed);
}

void CSelectFilesDlg::OnBrowseTemp()
{
    const QString picked =
        m_pPrompts->ChooseFolder(m_pTempPath->text(), QStringLiteral("Select temporary folder path.")).trimmed();
    if (!picked.isEmpty() && QFileInfo(picked).isDir())
        m_pTempPath->setText(picked);
    if (!QFileInfo::exists(m_pTempPath->text()))
        Say(QStringLiteral("Please select valid folder path."));
}

void CSelectFilesDlg::OnSearchTimer()
{
    const int position = m_pProgress->value();
    if (position == kSearchSteps) {
        m_pProgress->setRange(0, kSearchSteps);
        m_pProgress->setValue(0);
    } else if (position < kSearchSteps) {
        m_pProgress->setValue(position + 1);
    }
}

void CSelectFilesDlg::accept()
{
    const QString tempPath = m_pTempPath->text();
    if (!QFileInfo::exists(tempPath)) {
        Say(QStringLiteral(
            "Please select valid temporary folder path to create temporary files during conversion process."));
        return;
    }
    m_app.m_strTempPath = tempPath;
    if (m_pModel->rowCount() == 0) {
        Say(QStringLiteral("Please select files to continue the process."));
        return;
    }
    StopWorker();
    m_app.m_vecMboxFiles.append(m_pModel->Paths());
    QDialog::accept();
}

void CSelectFilesDlg::reject()
{
    StopWorker();
    QDialog::reject();
}

bool CSelectFilesDlg::eventFilter(QObject* watched, QEvent* event)
{
    return IsSwallowedKey(event) || QDialog::eventFilter(watched, event);
}

void CSelectFilesDlg::keyPressEvent(QKeyEvent* event)
{
    if (!IsSwallowedKey(event))
        QDialog::keyPressEvent(event);
}

// A worker that was stopped may still be on its way out: no second one until its last batch is shown.
bool CSelectFilesDlg::Busy() const
{
    return m_bRunning.load(std::memory_order_relaxed) || m_worker.joinable();
}

void CSelectFilesDlg::StartWorker(Mode mode, std::function<void(CPathBatcher&)> work)
{
    m_eMode = mode;
    m_nHandled = 0;
    m_bRunning.store(1, std::memory_order_relaxed);
    m_worker = std::thread([this, work = std::move(work)] {
        CPathBatcher out([this](FoundBatch batch) {
            // The dialog shows all queued batches in one go: a walk faster than the list would freeze it.
            while (m_nQueuedBatches.load() >= kMaxQueuedBatches && m_bRunning.load(std::memory_order_relaxed))
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            ++m_nQueuedBatches;
            QMetaObject::invokeMethod(
                this, [this, batch = std::move(batch)]() mutable { OnBatch(std::move(batch)); },
                Qt::QueuedConnection);
        });
        work(out);
        out.Finish();
    });
}

// Batches are shown strictly in order: a message box opened for one batch lets later batches arrive,
// and they wait in the inbox until it is closed.
void CSelectFilesDlg::OnBatch(FoundBatch batch)
{
    --m_nQueuedBatches;
    m_inbox.push_back(std::move(batch));
    if (m_bDraining)
        return;
    m_bDraining = true;
    while (!m_inbox.empty()) {
        const FoundBatch next = std::move(m_inbox.front());
        m_inbox.pop_front();
        ShowBatch(next.paths);
        if (next.bLast)
            EndWorker();
    }
    m_bDraining = false;
}

void CSelectFilesDlg::ShowBatch(const std::vector<FoundPath>& paths)
{
    QStringList present;
    for (const FoundPath& found : paths) {
        ++m_nHandled;
        if (found.bExists) {
            present.append(found.strPath);
            continue;
        }
        AppendRows(std::exchange(present, {}));
        if (m_pModel->IsNewPath(found.strPath))
            Say(QStringLiteral("Selected file is not valid."));
    }
    AppendRows(present);
    if (m_eMode == Mode::Add)
        m_pProgress->setValue(m_nHandled);
}

void CSelectFilesDlg::AppendRows(const QStringList& paths)
{
    if (m_pModel->Append(paths, m_eMode == Mode::Add) == 0)
        return;
    const QModelIndex last = m_pModel->index(m_pModel->rowCount() - 1, 0);
    if (m_eMode == Mode::Add)
        m_pStatus->setText(last.data().toString());
    else
        m_pList->scrollTo(last);
}

void CSelectFilesDlg::EndWorker()
{
    if (m_worker.joinable())
        m_worker.join();
    ShowIdle();
    SetStatusByRule(m_eMode);
}

// Before the dialog's controls go away: the worker is told to stop and waited for, and what it
// still had on its way to the dialog is dropped.
void CSelectFilesDlg::StopWorker()
{
    m_bRunning.store(0, std::memory_order_relaxed);
    if (!m_worker.joinable())
        return;
    m_worker.join();
    QCoreApplication::removePostedEvents(this, QEvent::MetaCall);
    m_nQueuedBatches = 0;
    m_inbox.clear();
    ShowIdle();
}

void CSelectFilesDlg::ShowIdle()
{
    m_searchTimer.stop();
    m_bRunning.store(0, std::memory_order_relaxed);
    m_pProgress->hide();
    m_pStop->hide();
}

void CSelectFilesDlg::SetStatusByRule(Mode form)
{
    const int count = m_pModel->rowCount();
    if (count > 0)
        m_pStatus->setText(QStringLiteral("Total number of files: [%1]").arg(count));
    else
        m_pStatus->setText(form == Mode::Add ? QStringLiteral("Add files to continue the process.") : QString());
}

void CSelectFilesDlg::Say(const QString& text)
{
    m_pPrompts->MessageBox(text);
}
