#pragma once
#include <QWidget>

class CTeldoraToolsTopListCtrl;

// The centre view: the email list fills it.
class CTeldoraNimbrelProjView : public QWidget {
    Q_OBJECT
public:
    explicit CTeldoraNimbrelProjView(QWidget* parent = nullptr);

    CTeldoraToolsTopListCtrl* GetEmailList() const { return m_list; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CTeldoraToolsTopListCtrl* m_list;
};
