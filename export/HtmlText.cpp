#include "export/HtmlText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<const char16_t*, char32_t>, 12> kEntities{{
    {u"amp", U'&'}, {u"lt", U'<'}, {u"gt", U'>'}, {u"quot", U'"'}, {u"apos", U'\''}, {u"nbsp", U'\u00A0'},
    {u"copy", U'\u00A9'}, {u"reg", U'\u00AE'}, {u"euro", U'\u20AC'}, {u"mdash", U'\u2014'},
    {u"ndash", U'\u2013'}, {u"hellip", U'\u2026'},
}};

// Elements whose whole content is not shown.
constexpr std::array<QStringView, 4> kHiddenElements{u"script", u"style", u"head", u"title"};
// Elements that begin or end a line.
constexpr std::array<QStringView, 16> kBlockElements{u"br", u"p", u"div", u"tr", u"li", u"h1", u"h2", u"h3",
    u"h4", u"h5", u"h6", u"hr", u"table", u"blockquote", u"pre", u"ul"};

QString DecodeReference(QStringView name)
{
    if (name.startsWith(u'#')) {
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        bool ok = false;
        const uint code = name.sliced(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
        if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
            return QString(QChar(0xFFFD));
        const char32_t c = code;
        return QString::fromUcs4(&c, 1);
    }
    for (const auto& [entity, c] : kEntities) {
        if (name == QStringView(entity))
            return QString::fromUcs4(&c, 1);
    }
    return QString();
}

class CTextReducer {
public:
    explicit CTextReducer(const QString& html) : m_html(html) {}

    QString Run()
    {
        while (m_pos < m_html.size()) {
            const QChar c = m_html[m_pos];
            if (c == u'<')
                Tag();
            else if (c == u'&')
                Reference();
            else
                Append(c), ++m_pos;
        }
        return m_text.trimmed();
    }

private:
    void Tag()
    {
        if (QStringView(m_html).sliced(m_pos).startsWith(u"<!--")) {
            const qsizetype end = m_html.indexOf(u"-->", m_pos + 4);
            m_pos = end < 0 ? m_html.size() : end + 3;
            return;
        }
        const qsizetype end = m_html.indexOf(u'>', m_pos);
        if (end < 0) {
            m_pos = m_html.size();
            return;
        }
        const QStringView inside = QStringView(m_html).sliced(m_pos + 1, end - m_pos - 1);
        m_pos = end + 1;
        const bool closing = inside.startsWith(u'/');
        qsizetype nameEnd = closing ? 1 : 0;
        while (nameEnd < inside.size() && inside[nameEnd].isLetterOrNumber())
            ++nameEnd;
        const QString name = inside.sliced(closing ? 1 : 0, nameEnd - (closing ? 1 : 0)).toString().toLower();
        if (!closing && std::find(kHiddenElements.begin(), kHiddenElements.end(), name) != kHiddenElements.end()) {
            const qsizetype close = m_html.indexOf(QStringLiteral("</") + name, m_pos, Qt::CaseInsensitive);
            m_pos = close < 0 ? m_html.size() : close;
            return;
        }
        if (name == u"pre")
            m_bPre = !closing;
        if (std::find(kBlockElements.begin(), kBlockElements.end(), name) != kBlockElements.end())
            LineBreak();
    }

    void Reference()
    {
        const qsizetype semicolon = m_html.indexOf(u';', m_pos);
        if (semicolon > m_pos && semicolon - m_pos <= 10) {
            const QString decoded = DecodeReference(QStringView(m_html).sliced(m_pos + 1, semicolon - m_pos - 1));
            if (!decoded.isEmpty()) {
                m_text += decoded;
                m_pos = semicolon + 1;
                return;
            }
        }
        Append(u'&');
        ++m_pos;
    }

    void Append(QChar c)
    {
        if (c == u'\r')
            return;
        if (m_bPre || !c.isSpace())
            m_text += c;
        else if (!m_text.isEmpty() && !m_text.back().isSpace())
            m_text += u' ';
    }

    void LineBreak()
    {
        while (m_text.endsWith(u' '))
            m_text.chop(1);
        if (!m_text.endsWith(u"\n\n"))
            m_text += u'\n';
    }

    const QString& m_html;
    QString m_text;
    qsizetype m_pos = 0;
    bool m_bPre = false;
};

} // namespace

QString HtmlToPlainText(const QString& html)
{
    return CTextReducer(html).Run();
}
