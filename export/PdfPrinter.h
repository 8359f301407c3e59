#pragma once
#include <QByteArray>

// Prints a self-contained HTML page to PDF. The window and the console provide it (it needs a web engine);
// the export job calls it from its worker thread.
class IPdfPrinter {
public:
    virtual ~IPdfPrinter() = default;
    // The PDF bytes; empty when the page could not be printed.
    virtual QByteArray PrintToPdf(const QByteArray& html) = 0;
};
