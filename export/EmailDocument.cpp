#include "export/EmailDocument.h"

#include "export/HtmlPage.h"
#include "export/HtmlText.h"
#include "export/PdfPrinter.h"
#include "export/RtfDocument.h"

bool RenderEmail(ExportFormat format, const ExportedEmail& email, IPdfPrinter* pdf, QByteArray& content)
{
    switch (format) {
    case ExportFormat::Eml:
        content = email.bytes;
        return true;
    case ExportFormat::Rtf:
        content = RtfDocument(email.summary, email.vecAttachments, HtmlToPlainText(EmailBodyHtml(email.bytes)));
        return true;
    case ExportFormat::Html:
        content = HtmlPage(email);
        return true;
    case ExportFormat::Pdf:
        content = pdf ? pdf->PrintToPdf(HtmlPage(email)) : QByteArray();
        return !content.isEmpty();
    }
    return false;
}
