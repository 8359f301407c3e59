#pragma once
#include "ui/dialogs/CPathBatcher.h"

#include <QDialog>
#include <QTimer>

#include <atomic>
#include <deque>
#include <functional>
#include <memory>
#include <thread>

struct CAppMembers;
class CFileListModel;
class IUserPrompts;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableView;

// The modal dialog in which the user lists the mailbox files to scan and picks the base folder for
// temporary files. OK appends the listed paths to the application's m_vecMboxFiles and stores the folder
// in m_strTempPath. Build a new one for every showing: it starts with an empty list and the system
// temporary folder.
class CSelectFilesDlg : public QDialog {
    Q_OBJECT
public:
    // Without prompts the dialog shows real boxes and pickers of its own.
    explicit CSelectFilesDlg(CAppMembers& app, QWidget* parent = nullptr, IUserPrompts* prompts = nullptr);
    ~CSelectFilesDlg() override;

    // OK: validates, hands over and ends the dialog, or says what is missing and stays open.
    void accept() override;
    // Cancel and the caption's close button: nothing is handed over.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    enum class Mode { Add, Search };

    void BuildControls();
    QPushButton* MakeButton(const QString& text, QRect rect, const QString& tip, const QString& image);

    void OnAddFiles();
    void OnSearchFile();
    void OnRemove();
    void OnRemoveAll();
    void OnStop();
    void OnBrowseTemp();
    void OnSearchTimer();

    bool Busy() const;
    void StartWorker(Mode mode, std::function<void(CPathBatcher&)> work);
    void OnBatch(FoundBatch batch);
    void ShowBatch(const std::vector<FoundPath>& paths);
    void AppendRows(const QStringList& paths);
    void EndWorker();
    void StopWorker();
    void ShowIdle();
    void SetStatusByRule(Mode form);
    void Say(const QString& text);

    CAppMembers& m_app;
    std::unique_ptr<IUserPrompts> m_pOwnPrompts;
    IUserPrompts* m_pPrompts;

    QLineEdit* m_pTempPath = nullptr;
    QTableView* m_pList = nullptr;
    CFileListModel* m_pModel = nullptr;
    QLineEdit* m_pStatus = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QPushButton* m_pStop = nullptr;
    QTimer m_searchTimer;

    std::atomic<int> m_bRunning{0};
    std::thread m_worker;
    Mode m_eMode = Mode::Add;
    int m_nHandled = 0;                // paths of the current Add Files run taken from the inbox so far
    std::atomic<int> m_nQueuedBatches{0}; // posted by the worker, not yet taken into the inbox
    std::deque<FoundBatch> m_inbox;    // batches not yet shown, oldest first
    bool m_bDraining = false;
};
