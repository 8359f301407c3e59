#include "scan/StatusTime.h"

#include <QLocale>

QString StatusTimeText(const QDateTime& time)
{
    return QLocale::c().toString(time, QStringLiteral("MMM-dd-yyyy(hh-mm-ss-AP)"));
}
