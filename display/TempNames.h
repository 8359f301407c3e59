#pragma once
#include <QString>

// A fresh unused name "Tmp" + hex + extension in folder: the unique ".tmp" file is made, deleted at once and
// its extension replaced. "" when no unique name could be made.
QString NewTempName(const QString& folder, const QString& extension);
