#pragma once
#include <QMap>
#include <QWidget>

class QToolButton;

// The ribbon: the application button, one category tab "Orlanda" and its labelled panels of large buttons.
class CRibbonBar : public QWidget {
    Q_OBJECT
public:
    explicit CRibbonBar(QWidget* parent);

    QToolButton* Button(int commandId) const { return m_buttons.value(commandId); }
    QString CategoryTitle() const;

signals:
    void commandTriggered(int commandId);

private:
    QWidget* MakePanel(const QString& title, const QList<int>& commandIds);
    QToolButton* MakeButton(int commandId);

    QMap<int, QToolButton*> m_buttons;
    class QTabBar* m_tabs;
};
