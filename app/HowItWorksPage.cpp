#include "app/HowItWorksPage.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

QString HowItWorksPageUrl()
{
    QFile page(QStringLiteral(":/help/how-it-works.html"));
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/KavrenOrlandaConvtv17.0");
    if (!page.open(QIODevice::ReadOnly) || !QDir().mkpath(folder))
        return QString();
    QSaveFile copy(folder + QStringLiteral("/how-it-works.html"));
    if (!copy.open(QIODevice::WriteOnly) || copy.write(page.readAll()) < 0 || !copy.commit())
        return QString();
    return QUrl::fromLocalFile(copy.fileName()).toString();
}
