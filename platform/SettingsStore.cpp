#include "platform/SettingsStore.h"

#include <QSettings>

namespace {

QSettings Store()
{
    return QSettings(QStringLiteral("KavrenOrlandaConvtv17.0"), QStringLiteral("Kavren Orlanda"));
}

} // namespace

int ReadApplicationLook()
{
    bool ok = false;
    const int look = Store().value(QStringLiteral("ApplicationLook"), kDefaultApplicationLook).toInt(&ok);
    const bool known = ok && look >= kFirstApplicationLook && look <= kLastApplicationLook;
    return known ? look : kDefaultApplicationLook;
}

void WriteApplicationLook(int look)
{
    QSettings store = Store();
    store.setValue(QStringLiteral("ApplicationLook"), look);
    store.sync();
}
