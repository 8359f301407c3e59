#include "display/PreviewRenderer.h"

#include "display/LineEnds.h"
#include "mime/MimeMessage.h"
#include "platform/TextCodec.h"

#include <QStringDecoder>
#include <QUrl>
#include <list>

namespace {

// Coming first, it wins over a charset the mail's own markup names; the bytes are UTF-8 by now.
constexpr char kUtf8Meta[] = "<meta charset=\"utf-8\">\n";
constexpr char kTextHead[] = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"></head><body>\n";
constexpr char kTextTail[] = "</body></html>\n";

QByteArray FieldText(const CMimeBody& part, const char* name)
{
    const CMimeHeaderField* field = part.FindField(name);
    return field ? QByteArray::fromStdString(field->GetValueString()).trimmed() : QByteArray();
}

// The media type without parameters, lower case; a part without Content-Type is plain text.
QByteArray ContentType(const CMimeBody& part)
{
    const CMimeHeaderField* field = part.FindField("Content-Type");
    if (!field)
        return "text/plain";
    std::string type;
    field->GetValueWithoutParameters(type);
    return QByteArray::fromStdString(type).trimmed().toLower();
}

bool IsAttachmentDisposition(const CMimeBody& part)
{
    return FieldText(part, "Content-Disposition").toLower().startsWith("attachment");
}

QByteArray ContentBytes(const CMimeBody& part)
{
    return QByteArray(part.GetContent() ? part.GetContent() : "", part.GetContentLength());
}

bool IsValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes); // the decoder works when its result becomes a string
    return !decoder.hasError();
}

// Bytes in the named charset as UTF-8; without a charset iconv knows, UTF-8 when they are valid
// UTF-8, else Windows-1252.
QByteArray TextToUtf8(const QByteArray& bytes, const QByteArray& charset)
{
    QByteArray out;
    if (!charset.isEmpty() && ConvertToUtf8(bytes, charset, out))
        return out;
    if (IsValidUtf8(bytes))
        return bytes;
    return AnsiToWide(bytes.constData(), bytes.size()).toUtf8();
}

QByteArray PartTextUtf8(const CMimeBody& part)
{
    return TextToUtf8(ContentBytes(part),
        QByteArray::fromStdString(part.GetFieldParameter("Content-Type", "charset")).trimmed());
}

QByteArray EscapeHtml(const QByteArray& text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 16);
    for (const char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        case '\r': break; // CR LF and LF break the same way in <pre>; a stray CR would not
        default: out += c;
        }
    }
    return out;
}

QByteArray PreBlock(const QByteArray& utf8)
{
    return "<pre style=\"white-space: pre-wrap\">" + EscapeHtml(utf8) + "</pre>\n";
}

QByteArray TextPage(const QByteArray& blocks)
{
    return kTextHead + blocks + kTextTail;
}

// Bytes that no header describes: UTF-8 when they are valid UTF-8, else Windows-1252.
QByteArray RawTextPage(const QByteArray& bytes)
{
    return TextPage(PreBlock(TextToUtf8(bytes, QByteArray())));
}

// What a mail whose parts gave no text shows: everything after the first empty line, or all of it when
// that is empty (a header the parser read past, an empty body).
QByteArray UnparsedText(QByteArrayView data)
{
    const qsizetype blank = data.indexOf(QByteArrayView("\r\n\r\n", 4));
    const QByteArrayView body = blank < 0 ? QByteArrayView() : data.sliced(blank + 4);
    return (body.isEmpty() ? data : body).toByteArray();
}

bool IsReferenceEnd(char c)
{
    return c == '"' || c == '\'' || c == '>' || c == ')' || c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool OpensReference(char c)
{
    return c == '"' || c == '\'' || c == '=' || c == '(';
}

} // namespace

PreviewRenderer::PreviewRenderer(QByteArray fileBytes)
{
    // Preview files of LF and CR mailboxes keep their line ends; the parser needs CR LF.
    if (!QByteArrayView(fileBytes).contains(QByteArrayView("\r\n", 2)))
        NormalizeLineEnds(fileBytes);
    QByteArrayView data(fileBytes);
    if (data.startsWith("\r\n"))
        data = data.sliced(2);

    CMimeMessage message;
    if (message.Load(data.data(), data.size()) <= 0) {
        m_page = RawTextPage(UnparsedText(data));
        return;
    }
    std::list<CMimeBody*> leaves;
    message.GetBodyPartList(leaves);

    const CMimeBody* html = nullptr;
    QByteArray textBlocks;
    bool hasText = false;
    for (const CMimeBody* leaf : leaves) {
        const QByteArray type = ContentType(*leaf);
        const bool shown = !IsAttachmentDisposition(*leaf) && type.startsWith("text/");
        if (shown && type == "text/html" && !html) {
            html = leaf;
            continue;
        }
        if (shown && type != "text/html") {
            textBlocks += PreBlock(PartTextUtf8(*leaf));
            hasText = hasText || leaf->GetContentLength() > 0;
        }
        AddResource(type, ContentBytes(*leaf), FieldText(*leaf, "Content-ID"),
            FieldText(*leaf, "Content-Location"));
    }
    if (html) {
        m_page = kUtf8Meta + PartTextUtf8(*html);
        m_pageLocation = FieldText(*html, "Content-Location");
    } else if (hasText) {
        m_page = TextPage(textBlocks);
    } else {
        m_page = RawTextPage(UnparsedText(data));
    }
}

void PreviewRenderer::AddResource(QByteArray contentType, QByteArray bytes, const QByteArray& contentId,
    const QByteArray& location)
{
    if (contentId.isEmpty() && location.isEmpty())
        return;
    const auto index = static_cast<qsizetype>(m_parts.size());
    m_parts.push_back({contentType.isEmpty() ? "application/octet-stream" : std::move(contentType), std::move(bytes)});
    QByteArray id = contentId;
    if (id.startsWith('<') && id.endsWith('>'))
        id = id.sliced(1, id.size() - 2);
    if (!id.isEmpty() && !m_byContentId.contains(id))
        m_byContentId.insert(id, index);
    if (!location.isEmpty() && !m_byLocation.contains(location))
        m_byLocation.insert(location, index);
}

qsizetype PreviewRenderer::FindPart(QByteArrayView reference) const
{
    if (reference.size() > 4 && QByteArrayView(reference.first(4)).compare("cid:", Qt::CaseInsensitive) == 0)
        return m_byContentId.value(QByteArray::fromPercentEncoding(reference.sliced(4).toByteArray()), -1);
    const QByteArray location = reference.toByteArray();
    if (const auto found = m_byLocation.constFind(location); found != m_byLocation.cend())
        return *found;
    // References relative to the page's own Content-Location name the parts by their absolute one.
    if (m_pageLocation.isEmpty())
        return -1;
    const QUrl resolved = QUrl::fromEncoded(m_pageLocation).resolved(QUrl::fromEncoded(location));
    return m_byLocation.value(resolved.toEncoded(), -1);
}

QByteArray PreviewRenderer::PageHtml(const std::function<QByteArray(qsizetype)>& urlFor) const
{
    if (m_parts.empty())
        return m_page;
    QByteArray out;
    out.reserve(m_page.size());
    const qsizetype size = m_page.size();
    qsizetype copied = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (!OpensReference(m_page[i]))
            continue;
        const qsizetype start = i + 1;
        qsizetype end = start;
        while (end < size && !IsReferenceEnd(m_page[end]))
            ++end;
        const qsizetype part = end > start ? FindPart(QByteArrayView(m_page).sliced(start, end - start)) : -1;
        if (part < 0)
            continue;
        out += QByteArrayView(m_page).sliced(copied, start - copied);
        out += urlFor(part);
        copied = end;
        i = end - 1;
    }
    out += QByteArrayView(m_page).sliced(copied);
    return out;
}

QByteArray HtmlFileContentType(QByteArrayView bytes)
{
    if (bytes.startsWith("\xFF\xFE"))
        return "text/html; charset=utf-16le";
    if (bytes.startsWith("\xFE\xFF"))
        return "text/html; charset=utf-16be";
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return "text/html; charset=utf-8";
    return "text/html";
}
