#pragma once
#include <QByteArray>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

// Serves the one preview file the browser was last told to show; every other path is refused, so
// a mail cannot make the browser read other local files.
class CPreviewSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    static constexpr qint64 kMaxFileBytes = qint64{1} << 30;

    explicit CPreviewSchemeHandler(QObject* parent = nullptr);

    void AllowFile(const QString& path);
    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    void ServeHtml(QWebEngineUrlRequestJob* job, const QByteArray& bytes);
    void ServeMessage(QWebEngineUrlRequestJob* job, const QByteArray& bytes);

    QString m_strAllowedPath;
};
