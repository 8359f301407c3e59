#include "platform/DesktopFolder.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

TEST(SettingsStore, ApplicationLookDefaultsTo215AndKeepsWhatWasWritten)
{
    const struct {
        int written;
        int read;
    } cases[] = {{210, 210}, {218, 218}, {209, kDefaultApplicationLook}, {1000, kDefaultApplicationLook}};
    for (const auto& c : cases) {
        WriteApplicationLook(c.written);
        EXPECT_EQ(ReadApplicationLook(), c.read) << c.written;
    }
}

TEST(DesktopFolder, IsCreatedWhenMissingAndEmptyWhenItCannotBe)
{
    const QString desktop = QDir::homePath() + "/Desktop";
    QDir(desktop).removeRecursively();
    EXPECT_EQ(GetDesktopFolder(), desktop);
    EXPECT_TRUE(QFileInfo(desktop).isDir());

    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", "/dev/null/no-home");
    EXPECT_EQ(GetDesktopFolder(), QString());
    qputenv("HOME", home);
}

} // namespace
