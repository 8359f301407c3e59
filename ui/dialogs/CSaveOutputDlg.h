#pragma once
#include "export/ExportOptions.h"

#include <QDialog>
#include <optional>

class IUserPrompts;
class QAbstractButton;
class QCheckBox;
class QLineEdit;

// The "Save output" dialog: the format, the folder to save in and whether each mailbox file gets a folder.
// The PST and MSG choices are shown but disabled.
class CSaveOutputDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPdfOptionId = 1030;

    CSaveOutputDlg(IUserPrompts& prompts, QWidget* parent = nullptr);

    // Shows the dialog modally; the chosen options, or nullopt when cancelled.
    static std::optional<ExportOptions> Ask(IUserPrompts& prompts, QWidget* parent);

    ExportOptions Options() const;
    // The control with a template id (objectName "control<id>"); tests and screenshots find controls by it.
    QWidget* Control(int id) const;

    void accept() override;

private:
    QAbstractButton* AddOption(int id, const QString& text, const QRect& where, bool enabled);
    void Browse();

    IUserPrompts& m_prompts;
    QLineEdit* m_pPath = nullptr;
    QCheckBox* m_pHierarchy = nullptr;
};
