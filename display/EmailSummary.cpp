#include "display/EmailSummary.h"

#include "display/HeaderBlocks.h"
#include "display/HeaderText.h"
#include "display/LineEnds.h"
#include "mime/MimeMessage.h"

#include <list>

namespace {

QString FieldText(const CMimeMessage& message, const char* name)
{
    const CMimeHeaderField* field = message.FindField(name);
    return field ? Utf8OrAnsiToWide(QByteArrayView(field->GetValueString())) : QString();
}

bool HasAttachmentPart(CMimeMessage& message)
{
    std::list<CMimeBody*> parts;
    message.GetBodyPartList(parts);
    for (const CMimeBody* part : parts) {
        if (part->IsAttachment())
            return true;
    }
    return false;
}

// The summary of an email with CR LF line ends.
EmailSummary SummaryOf(QByteArrayView data, bool bIsImm, const QStringList& immAttachments)
{
    // The header parser ends the header at a line that starts with CR, so a leading line break would hide it.
    if (data.startsWith("\r\n"))
        data = data.sliced(2);
    // Only the header fields and the parts' headers are read; contents are never decoded here.
    CMimeMessage message;
    message.LoadHeadersOnly(data.data(), data.size());
    EmailSummary summary;
    summary.strTo = FieldText(message, "To");
    summary.strFrom = FieldText(message, "From");
    summary.strSubject = FieldText(message, "Subject");
    summary.strDate = FieldText(message, "Date");
    summary.bHasAttachment = bIsImm ? !immAttachments.isEmpty() : HasAttachmentPart(message);
    return summary;
}

} // namespace

EmailSummary ReadEmailSummary(QByteArray& buffer, bool bIsImm, const QStringList& immAttachments)
{
    if (!HasCrLfBeforeNul(buffer))
        NormalizeLineEnds(buffer);
    return SummaryOf(buffer, bIsImm, immAttachments);
}

EmailSummary ReadMboxEmailSummary(QByteArrayView raw, QByteArray& scratch)
{
    CopyHeaderBlocks(raw, scratch);
    return SummaryOf(scratch, false, {});
}
