#include "display/BlankPreviewPage.h"

#include "display/TempNames.h"
#include "platform/TempFolder.h"

#include <QFile>
#include <string_view>

QString CreateBlankPreviewPage(const QString& tempBase)
{
    const QString path = NewTempName(GetTempFolder(tempBase), QStringLiteral(".html"));
    if (path.isEmpty())
        return QString();

    QFile page(path);
    if (page.open(QIODevice::ReadWrite | QIODevice::Truncate)) {
        static const char16_t kPage[] = u"<html><head><title></title></head><body></body></html>";
        QByteArray bytes("\xFF\xFE", 2);
        for (const char16_t unit : std::u16string_view(kPage)) {
            bytes.append(char(unit & 0xFF));
            bytes.append(char(unit >> 8));
        }
        page.write(bytes);
    }
    return path;
}
