#pragma once

class QWebEngineProfile;
class CPreviewSchemeHandler;

// The process-wide browser profile of the preview: off the record, no scripts, no downloads, only
// the preview scheme reachable. Made on first use, owned by the application object.
class CPreviewProfile {
public:
    static QWebEngineProfile* Profile();
    static CPreviewSchemeHandler* Handler();
};
