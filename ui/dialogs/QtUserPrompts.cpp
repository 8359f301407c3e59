#include "ui/dialogs/QtUserPrompts.h"

#include "platform/AppTitle.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

void CQtUserPrompts::MessageBox(const QString& text)
{
    QMessageBox::information(m_pOwner, kAppTitle(), text);
}

bool CQtUserPrompts::AskYesNo(const QString& text, bool questionIcon)
{
    QMessageBox box(questionIcon ? QMessageBox::Question : QMessageBox::Information, kAppTitle(), text,
        QMessageBox::Yes | QMessageBox::No, m_pOwner);
    return box.exec() == QMessageBox::Yes;
}

QStringList CQtUserPrompts::ChooseOpenFiles()
{
    return QFileDialog::getOpenFileNames(m_pOwner);
}

QString CQtUserPrompts::ChooseFolder(const QString& start, const QString& title)
{
    return QFileDialog::getExistingDirectory(m_pOwner, title, start);
}

QString CQtUserPrompts::ChooseSaveFile(const QString& filter, const QString& defaultSuffix)
{
    QFileDialog dialog(m_pOwner, QString(), QString(), filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString CQtUserPrompts::ChooseOpenFile(const QString& filter)
{
    return QFileDialog::getOpenFileName(m_pOwner, QString(), QString(), filter);
}

bool CQtUserPrompts::OpenUrl(const QString& url)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(url));
}
