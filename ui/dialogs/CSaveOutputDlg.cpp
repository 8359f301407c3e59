#include "ui/dialogs/CSaveOutputDlg.h"

#include "export/ExportFolderCheck.h"
#include "platform/DesktopFolder.h"
#include "platform/UserPrompts.h"
#include "ui/dialogs/CDialogUnits.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace {

struct FormatOption {
    int id;
    ExportFormat format;
};

constexpr std::array<FormatOption, 4> kFormatOptions{{
    {1024, ExportFormat::Eml},
    {1029, ExportFormat::Html},
    {1028, ExportFormat::Rtf},
    {CSaveOutputDlg::kPdfOptionId, ExportFormat::Pdf},
}};

QString ControlName(int id) { return QStringLiteral("control%1").arg(id); }

} // namespace

CSaveOutputDlg::CSaveOutputDlg(IUserPrompts& prompts, QWidget* parent) : QDialog(parent), m_prompts(prompts)
{
    setWindowTitle(QStringLiteral("Save output"));
    const CDialogUnits units(font());
    setFixedSize(units.Size(355, 184));

    auto* formats = new QGroupBox(QStringLiteral("Select output format"), this);
    formats->setGeometry(units.Rect(7, 7, 341, 86));
    auto* pstOptions = new QButtonGroup(this);
    pstOptions->addButton(AddOption(1023, QStringLiteral("Create separate pst file per MBOX file"),
                                    units.Rect(27, 33, 170, 10), false));
    pstOptions->addButton(AddOption(1021, QStringLiteral("Create single pst file for selected MBOX files"),
                                    units.Rect(27, 45, 200, 10), false));
    auto* attach = new QCheckBox(QStringLiteral("Attach PST file to MS Outlook"), this);
    attach->setObjectName(ControlName(1001));
    attach->setGeometry(units.Rect(27, 57, 170, 10));
    attach->setEnabled(false);
    auto* group = new QButtonGroup(this);
    group->addButton(AddOption(1027, QStringLiteral("Save as PST"), units.Rect(15, 20, 150, 10), false), 1027);
    for (const auto& [id, text, y, enabled] : {std::tuple{1024, "Save as EML", 20, true},
             std::tuple{1025, "Save as MSG", 32, false}, std::tuple{1028, "Save as RTF", 44, true},
             std::tuple{1029, "Save as HTML", 56, true}, std::tuple{kPdfOptionId, "Save as PDF", 68, true}})
        group->addButton(AddOption(id, QString::fromLatin1(text), units.Rect(230, y, 100, 10), enabled), id);
    group->button(1024)->setChecked(true);

    auto* folder = new QGroupBox(QStringLiteral("Select folder path to save files"), this);
    folder->setGeometry(units.Rect(7, 99, 341, 54));
    m_pPath = new QLineEdit(GetDesktopFolder(), this);
    m_pPath->setObjectName(ControlName(1051));
    m_pPath->setGeometry(units.Rect(15, 113, 296, 14));
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(ControlName(1013));
    browse->setGeometry(units.Rect(316, 113, 24, 14));
    connect(browse, &QPushButton::clicked, this, &CSaveOutputDlg::Browse);
    m_pHierarchy = new QCheckBox(QStringLiteral("Save in folder hierarchy"), this);
    m_pHierarchy->setObjectName(ControlName(1000));
    m_pHierarchy->setGeometry(units.Rect(15, 135, 150, 10));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(ControlName(1));
    ok->setGeometry(units.Rect(240, 161, 50, 16));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CSaveOutputDlg::accept);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(ControlName(2));
    cancel->setGeometry(units.Rect(298, 161, 50, 16));
    connect(cancel, &QPushButton::clicked, this, &CSaveOutputDlg::reject);
}

std::optional<ExportOptions> CSaveOutputDlg::Ask(IUserPrompts& prompts, QWidget* parent)
{
    CSaveOutputDlg dialog(prompts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Options();
}

ExportOptions CSaveOutputDlg::Options() const
{
    ExportOptions options;
    for (const FormatOption& option : kFormatOptions) {
        if (static_cast<QAbstractButton*>(Control(option.id))->isChecked())
            options.eFormat = option.format;
    }
    options.strFolder = QDir::cleanPath(m_pPath->text().trimmed());
    options.bHierarchy = m_pHierarchy->isChecked();
    return options;
}

QWidget* CSaveOutputDlg::Control(int id) const { return findChild<QWidget*>(ControlName(id)); }

void CSaveOutputDlg::accept()
{
    const QString problem = ExportFolderProblem(m_pPath->text().trimmed());
    if (!problem.isEmpty()) {
        m_prompts.MessageBox(problem);
        return;
    }
    QDialog::accept();
}

QAbstractButton* CSaveOutputDlg::AddOption(int id, const QString& text, const QRect& where, bool enabled)
{
    auto* option = new QRadioButton(text, this);
    option->setObjectName(ControlName(id));
    option->setGeometry(where);
    option->setEnabled(enabled);
    return option;
}

void CSaveOutputDlg::Browse()
{
    const QString chosen = m_prompts.ChooseFolder(m_pPath->text());
    if (!chosen.isEmpty())
        m_pPath->setText(QDir::toNativeSeparators(chosen));
}
