#include "export/ExportedEmail.h"

#include "display/AttachmentNames.h"
#include "display/ImmMarkers.h"
#include "export/ExportEmailBytes.h"

bool LoadExportedEmail(const ScannedFileEntry& entry, int64_t index, ExportedEmail& email)
{
    email = ExportedEmail();
    email.nNumber = index + 1;
    if (!ReadExportEmail(entry, index, email.bytes))
        return false;
    QStringList immPaths;
    if (entry.bIsImm)
        CollectImFilePaths(email.bytes, immPaths);
    QByteArray normalised = email.bytes;
    email.summary = ReadEmailSummary(normalised, entry.bIsImm, immPaths);
    if (entry.bIsImm) {
        for (const QString& path : immPaths)
            email.vecAttachments.append(ImmAttachmentRow(path));
    } else {
        email.vecAttachments = AttachmentNamesOf(normalised);
    }
    return true;
}
