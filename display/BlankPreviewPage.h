#pragma once
#include <QString>

// Writes a new empty HTML page (UTF-16LE with byte order mark) into the temporary folder below tempBase and
// returns its path; the path is returned even when writing failed, "" only when no name could be made.
QString CreateBlankPreviewPage(const QString& tempBase);
