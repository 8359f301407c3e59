#pragma once
#include <QDateTime>
#include <QString>

// Local time as the status lines show it, e.g. "Dec-09-2024(01-05-33-PM)" (English month names).
QString StatusTimeText(const QDateTime& time = QDateTime::currentDateTime());
