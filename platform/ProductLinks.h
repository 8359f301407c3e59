#pragma once
#include <QString>

// The maker's addresses shown in the status bar and the About dialog; each is shown as it is and opened as it is
// (the web address by the browser, the e-mail addresses behind "mailto:").
inline QString kMakerWebAddress() { return QStringLiteral("www.kavren.example"); }
inline QString kSupportEmailAddress() { return QStringLiteral("support@kavren.example"); }
inline QString kSalesEmailAddress() { return QStringLiteral("sales@kavren.example"); }
