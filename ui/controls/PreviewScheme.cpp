#include "ui/controls/PreviewScheme.h"

#include <QFileInfo>
#include <QWebEngineUrlScheme>

void RegisterPreviewScheme()
{
    if (QWebEngineUrlScheme::schemeByName(kPreviewScheme).name() == kPreviewScheme)
        return;
    QWebEngineUrlScheme scheme(kPreviewScheme);
    scheme.setSyntax(QWebEngineUrlScheme::Syntax::Path);
    // A local scheme may load only from schemes allowed local access: the page needs its own parts.
    scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::LocalScheme
        | QWebEngineUrlScheme::LocalAccessAllowed);
    QWebEngineUrlScheme::registerScheme(scheme);
}

QUrl PreviewUrl(const QString& path)
{
    QUrl url;
    url.setScheme(QString::fromLatin1(kPreviewScheme));
    url.setPath(QFileInfo(path).absoluteFilePath(), QUrl::DecodedMode);
    return url;
}
