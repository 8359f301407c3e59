#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <functional>
#include <vector>

// A part of the previewed email that the page may load: its decoded bytes and its content type.
struct PreviewPart {
    QByteArray contentType;
    QByteArray bytes;
};

// Turns the bytes of a ".mht" preview file into a page a browser can show: the first text/html leaf
// converted to UTF-8, else the text parts escaped in <pre>; the parts named by a Content-ID or a
// Content-Location are kept as the page's sub-resources.
class PreviewRenderer {
public:
    static constexpr char kPageContentType[] = "text/html; charset=utf-8";

    explicit PreviewRenderer(QByteArray fileBytes);

    // The page as stored in the email (references to parts untouched).
    const QByteArray& PageHtml() const { return m_page; }
    // The page with every reference to a sub-resource replaced by urlFor(index of the part).
    QByteArray PageHtml(const std::function<QByteArray(qsizetype)>& urlFor) const;

    const std::vector<PreviewPart>& Parts() const { return m_parts; }
    // The index of the part that "cid:" + Content-ID or a Content-Location names; -1 when none does.
    qsizetype FindPart(QByteArrayView reference) const;

private:
    void AddResource(QByteArray contentType, QByteArray bytes, const QByteArray& contentId,
        const QByteArray& location);

    QByteArray m_page;
    QByteArray m_pageLocation;
    std::vector<PreviewPart> m_parts;
    QHash<QByteArray, qsizetype> m_byContentId;
    QHash<QByteArray, qsizetype> m_byLocation;
};

// The content type of an ".html" preview file served as it is: its byte-order mark names the charset.
QByteArray HtmlFileContentType(QByteArrayView bytes);
