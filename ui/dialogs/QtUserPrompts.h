#pragma once
#include "platform/UserPrompts.h"

#include <QPointer>
#include <QWidget>

// Real dialogs for IUserPrompts, owned by a window (none for the boxes shown before the main window exists).
class CQtUserPrompts : public IUserPrompts {
public:
    explicit CQtUserPrompts(QWidget* owner = nullptr) : m_pOwner(owner) {}

    void MessageBox(const QString& text) override;
    bool AskYesNo(const QString& text, bool questionIcon) override;
    QStringList ChooseOpenFiles() override;
    QString ChooseFolder(const QString& start, const QString& title) override;
    QString ChooseSaveFile(const QString& filter, const QString& defaultSuffix) override;
    QString ChooseOpenFile(const QString& filter) override;
    bool OpenUrl(const QString& url) override;

private:
    QPointer<QWidget> m_pOwner;
};
