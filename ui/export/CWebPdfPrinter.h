#pragma once
#include "export/PdfPrinter.h"

#include <QObject>
#include <QString>
#include <functional>

class CPdfPageInterceptor;
class QWebEngineProfile;

// Prints export pages to PDF with Qt WebEngine. Lives on the UI thread; PrintToPdf may be called from
// any other thread and waits there while the UI thread loads and prints the page. The page is loaded
// from a private file with JavaScript off, in a profile that lets no other request out.
class CWebPdfPrinter : public QObject, public IPdfPrinter {
    Q_OBJECT
public:
    explicit CWebPdfPrinter(QObject* parent = nullptr);
    ~CWebPdfPrinter() override;

    QByteArray PrintToPdf(const QByteArray& html) override;

private:
    // On the UI thread: loads the page file and hands the PDF bytes (empty on failure) to done.
    void Print(const QString& pageFile, std::function<void(QByteArray)> done);

    QWebEngineProfile* m_pProfile;
    CPdfPageInterceptor* m_pInterceptor;
};
