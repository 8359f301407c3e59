#pragma once
#include <QWebEngineUrlRequestInterceptor>

// Blocks every request of the preview browser that is not for the preview scheme, so a mail can
// neither fetch remote content nor report that it was opened.
class CPreviewRequestInterceptor : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
};
