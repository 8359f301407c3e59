#pragma once
#include <QString>
#include <QStringList>

// What a person answers: message boxes, questions, file and folder pickers, and the shell's "open".
// The window's implementation shows real dialogs; tests answer from a script.
class IUserPrompts {
public:
    virtual ~IUserPrompts() = default;

    // Information icon, caption kAppTitle(), one OK button.
    virtual void MessageBox(const QString& text) = 0;
    // Yes and No buttons; the question icon when questionIcon is set, else the information icon.
    virtual bool AskYesNo(const QString& text, bool questionIcon) = 0;
    // Several existing files, no filter; empty when cancelled.
    virtual QStringList ChooseOpenFiles() = 0;
    // An existing folder, starting at start, with title as the picker's caption; "" when cancelled.
    virtual QString ChooseFolder(const QString& start, const QString& title = QString()) = 0;
    // filter in the form "Snapshot files (*.ORLANDASNAP)"; defaultSuffix without the dot; "" when cancelled.
    virtual QString ChooseSaveFile(const QString& filter, const QString& defaultSuffix) = 0;
    virtual QString ChooseOpenFile(const QString& filter) = 0;
    // A web page, a local file or a mailto: address, handed to the desktop; false when nothing took it.
    virtual bool OpenUrl(const QString& url) = 0;
};
