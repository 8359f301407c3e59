#pragma once
#include <QString>

// The product title: caption of every message box, title of the main window and of the status bar's title pane.
inline QString kAppTitle() { return QStringLiteral("Kavren Orlanda v17.0"); }

