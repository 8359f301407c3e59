#pragma once
#include <QWebEngineView>


// The preview browser: renders only files served through the preview scheme, no scripts, no
// context menu, no downloads and no request that leaves the machine.
class CTeldoraToolsWebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    explicit CTeldoraToolsWebBrowser(QWidget* parent = nullptr);

    void Navigate(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;
};
