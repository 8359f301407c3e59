#include "platform/ScriptedPrompts.h"

template <typename T>
T CScriptedPrompts::Next(std::deque<T>& queue)
{
    if (queue.empty())
        return T();
    T answer = std::move(queue.front());
    queue.pop_front();
    return answer;
}

void CScriptedPrompts::MessageBox(const QString& text)
{
    const std::lock_guard lock(m_mutex);
    m_vecShown.append(text);
}

bool CScriptedPrompts::AskYesNo(const QString& text, bool)
{
    const std::lock_guard lock(m_mutex);
    m_vecShown.append(text);
    return Next(m_yesNo);
}

QStringList CScriptedPrompts::ChooseOpenFiles()
{
    const std::lock_guard lock(m_mutex);
    return Next(m_openFiles);
}

QString CScriptedPrompts::ChooseFolder(const QString&, const QString& title)
{
    const std::lock_guard lock(m_mutex);
    m_vecFolderTitles.append(title);
    return Next(m_folders);
}

QString CScriptedPrompts::ChooseSaveFile(const QString&, const QString&)
{
    const std::lock_guard lock(m_mutex);
    return Next(m_saveFiles);
}

QString CScriptedPrompts::ChooseOpenFile(const QString&)
{
    const std::lock_guard lock(m_mutex);
    return Next(m_openFile);
}

bool CScriptedPrompts::OpenUrl(const QString& url)
{
    const std::lock_guard lock(m_mutex);
    m_vecOpenedUrls.append(url);
    return true;
}

void CScriptedPrompts::QueueYesNo(bool answer)
{
    const std::lock_guard lock(m_mutex);
    m_yesNo.push_back(answer);
}

void CScriptedPrompts::QueueOpenFiles(const QStringList& paths)
{
    const std::lock_guard lock(m_mutex);
    m_openFiles.push_back(paths);
}

void CScriptedPrompts::QueueFolder(const QString& folder)
{
    const std::lock_guard lock(m_mutex);
    m_folders.push_back(folder);
}

void CScriptedPrompts::QueueSaveFile(const QString& path)
{
    const std::lock_guard lock(m_mutex);
    m_saveFiles.push_back(path);
}

void CScriptedPrompts::QueueOpenFile(const QString& path)
{
    const std::lock_guard lock(m_mutex);
    m_openFile.push_back(path);
}

QStringList CScriptedPrompts::Shown() const
{
    const std::lock_guard lock(m_mutex);
    return m_vecShown;
}

QStringList CScriptedPrompts::FolderTitles() const
{
    const std::lock_guard lock(m_mutex);
    return m_vecFolderTitles;
}

QStringList CScriptedPrompts::OpenedUrls() const
{
    const std::lock_guard lock(m_mutex);
    return m_vecOpenedUrls;
}
