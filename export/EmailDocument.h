#pragma once
#include "export/ExportOptions.h"
#include "export/ExportedEmail.h"

#include <QByteArray>

class IPdfPrinter;

// The file content of one exported email in format; false when it cannot be made (no PDF printer, or the
// printer failed).
bool RenderEmail(ExportFormat format, const ExportedEmail& email, IPdfPrinter* pdf, QByteArray& content);
