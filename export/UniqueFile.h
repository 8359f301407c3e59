#pragma once
#include <QFile>
#include <QString>

// Creates a new file folder/base + extension, or folder/base (2) + extension and so on when the name is
// taken, and opens it for writing; an existing file is never opened or replaced. False when no name was
// free or the folder refuses the file; the file is then closed.
bool CreateUniqueFile(const QString& folder, const QString& base, const QString& extension, QFile& file);

// Creates a new folder parent/name, or parent/name (2) and so on; "" when none could be made.
QString CreateUniqueFolder(const QString& parent, const QString& name);
