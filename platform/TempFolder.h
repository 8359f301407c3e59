#pragma once
#include <QString>

// The system temporary folder without a trailing "/": TMPDIR, else /tmp. Never "" (a TMPDIR that does not
// exist is returned as it is, so that nothing lands in the root folder instead).
QString SystemTempPath();

// The program's working folder "KavrenOrlandaCon/" below base (empty base: the system temporary folder).
// Creates it when missing; returns the path with a trailing "/" even when it cannot be made.
QString GetTempFolder(const QString& base);

// Deletes everything below folder and keeps the folder; entries that cannot be deleted stay.
// Symbolic links are removed as entries and never followed.
void EmptyFolder(const QString& folder);

// Empties and removes the temporary folder below base; a folder that still holds something stays.
void RemoveTempFolder(const QString& base);
