#include "ui/controls/CPreviewSchemeHandler.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QWebEngineUrlRequestJob>
#include <optional>

namespace {

std::optional<QByteArray> ReadPreviewFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > CPreviewSchemeHandler::kMaxFileBytes)
        return std::nullopt;
    return file.readAll();
}

// The blank page is UTF-16 with a byte-order mark; pages are handed on as UTF-8 when their
// encoding is known from a mark, else as they are (their own meta charset applies).
std::optional<QByteArray> Utf8FromMarkedText(const QByteArray& bytes)
{
    std::optional<QStringConverter::Encoding> encoding = QStringConverter::encodingForData(bytes);
    if (!encoding || (bytes.size() < 2))
        return std::nullopt;
    const bool marked = bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
    if (!marked)
        return std::nullopt;
    QStringDecoder decoder(*encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar::ByteOrderMark))
        text.remove(0, 1);
    return text.toUtf8();
}

void Reply(QWebEngineUrlRequestJob* job, const QByteArray& contentType, const QByteArray& body)
{
    auto* buffer = new QBuffer(job); // freed with the job
    buffer->setData(body);
    job->reply(contentType, buffer);
}

} // namespace

CPreviewSchemeHandler::CPreviewSchemeHandler(QObject* parent) : QWebEngineUrlSchemeHandler(parent) {}

void CPreviewSchemeHandler::AllowFile(const QString& path)
{
    m_strAllowedPath = QFileInfo(path).absoluteFilePath();
}

void CPreviewSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job)
{
    const QString path = job->requestUrl().path(QUrl::FullyDecoded);
    if (job->requestMethod() != "GET" || m_strAllowedPath.isEmpty() || path != m_strAllowedPath) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const std::optional<QByteArray> bytes = ReadPreviewFile(path);
    if (!bytes) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"html" || suffix == u"htm")
        ServeHtml(job, *bytes);
    else
        ServeMessage(job, *bytes);
}

void CPreviewSchemeHandler::ServeHtml(QWebEngineUrlRequestJob* job, const QByteArray& bytes)
{
    if (const std::optional<QByteArray> utf8 = Utf8FromMarkedText(bytes))
        Reply(job, "text/html;charset=utf-8", *utf8);
    else
        Reply(job, "text/html", bytes);
}

// The ".mht" preview: the message renderer of the display layer turns it into HTML with its parts
// as sub-resources; until it is wired in, the message's bytes are shown as plain text.
void CPreviewSchemeHandler::ServeMessage(QWebEngineUrlRequestJob* job, const QByteArray& bytes)
{
    Reply(job, "text/plain", bytes);
}
