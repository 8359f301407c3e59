#pragma once
#include "platform/UserPrompts.h"

#include <deque>
#include <mutex>

// Answers prompts from queues the test fills and records what was shown. An empty queue answers
// No / Cancel. Safe to call from worker threads.
class CScriptedPrompts : public IUserPrompts {
public:
    void MessageBox(const QString& text) override;
    bool AskYesNo(const QString& text, bool questionIcon) override;
    QStringList ChooseOpenFiles() override;
    QString ChooseFolder(const QString& start, const QString& title) override;
    QString ChooseSaveFile(const QString& filter, const QString& defaultSuffix) override;
    QString ChooseOpenFile(const QString& filter) override;
    bool OpenUrl(const QString& url) override;

    void QueueYesNo(bool answer);
    void QueueOpenFiles(const QStringList& paths);
    void QueueFolder(const QString& folder);
    void QueueSaveFile(const QString& path);
    void QueueOpenFile(const QString& path);

    // Texts of message boxes and questions, in the order shown.
    QStringList Shown() const;
    QStringList OpenedUrls() const;
    // Captions of the folder pickers, in the order shown.
    QStringList FolderTitles() const;

private:
    template <typename T>
    T Next(std::deque<T>& queue);

    mutable std::mutex m_mutex;
    QStringList m_vecShown;
    QStringList m_vecOpenedUrls;
    QStringList m_vecFolderTitles;
    std::deque<bool> m_yesNo;
    std::deque<QStringList> m_openFiles;
    std::deque<QString> m_folders;
    std::deque<QString> m_saveFiles;
    std::deque<QString> m_openFile;
};
