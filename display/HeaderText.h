#pragma once
#include <QByteArrayView>
#include <QString>

// Header bytes as the list and the preview pane show them: UTF-8 when the bytes (up to the first zero byte)
// hold at least one valid multi-byte sequence, else Windows-1252.
QString Utf8OrAnsiToWide(QByteArrayView bytes);

// FileNameFromPath lives with the scanned-file helpers, which the scan job and the snapshot load share.
#include "scan/ScannedFiles.h"
