#include "ui/controls/CPreviewProfile.h"

#include "ui/controls/CPreviewRequestInterceptor.h"
#include "ui/controls/CPreviewSchemeHandler.h"
#include "ui/controls/PreviewScheme.h"
#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineDownloadRequest>
#include <QWebEngineProfile>
#include <QWebEngineSettings>

namespace {

struct PreviewProfileParts {
    QPointer<QWebEngineProfile> profile;
    QPointer<CPreviewSchemeHandler> handler;
};

void LockDownSettings(QWebEngineSettings* settings)
{
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    settings->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    settings->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    settings->setAttribute(QWebEngineSettings::PdfViewerEnabled, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    settings->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    settings->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    settings->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
}

PreviewProfileParts& Parts()
{
    static PreviewProfileParts parts;
    if (!parts.profile) {
        auto* profile = new QWebEngineProfile(QCoreApplication::instance()); // no storage name: off the record
        profile->setHttpCacheType(QWebEngineProfile::NoCache);
        profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
        LockDownSettings(profile->settings());
        parts.handler = new CPreviewSchemeHandler(profile);
        profile->installUrlSchemeHandler(kPreviewScheme, parts.handler);
        profile->setUrlRequestInterceptor(new CPreviewRequestInterceptor(profile));
        QObject::connect(profile, &QWebEngineProfile::downloadRequested, profile,
                         [](QWebEngineDownloadRequest* download) { download->cancel(); });
        parts.profile = profile;
    }
    return parts;
}

} // namespace

QWebEngineProfile* CPreviewProfile::Profile()
{
    return Parts().profile;
}

CPreviewSchemeHandler* CPreviewProfile::Handler()
{
    return Parts().handler;
}
