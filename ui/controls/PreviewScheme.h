#pragma once
#include <QString>
#include <QUrl>

// The URL scheme the preview browser loads its files through.
inline constexpr char kPreviewScheme[] = "orlanda-preview";

// Registers the preview scheme; must run before the QApplication is built.
void RegisterPreviewScheme();

// The preview URL of a local file.
QUrl PreviewUrl(const QString& path);
