#pragma once
#include <QString>

// Creates a new empty file prefix + uppercase hex number + ".tmp" in folder and returns its full path;
// "" when no file could be created. The caller deletes or renames it.
QString GetTempFileName(const QString& folder, const QString& prefix);
