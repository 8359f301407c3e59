#include "ui/controls/CPreviewRequestInterceptor.h"

#include "ui/controls/PreviewScheme.h"

void CPreviewRequestInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info)
{
    if (info.requestUrl().scheme() != QLatin1String(kPreviewScheme))
        info.block(true);
}
