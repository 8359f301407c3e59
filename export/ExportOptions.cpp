#include "export/ExportOptions.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<ExportFormat, const char*>, 4> kFormatNames{{
    {ExportFormat::Eml, "eml"},
    {ExportFormat::Html, "html"},
    {ExportFormat::Pdf, "pdf"},
    {ExportFormat::Rtf, "rtf"},
}};

} // namespace

QString ExportExtension(ExportFormat format)
{
    for (const auto& [value, name] : kFormatNames) {
        if (value == format)
            return u'.' + QString::fromLatin1(name);
    }
    return QString();
}

std::optional<ExportFormat> ExportFormatFromName(const QString& name)
{
    for (const auto& [value, text] : kFormatNames) {
        if (name == QLatin1String(text))
            return value;
    }
    return std::nullopt;
}
