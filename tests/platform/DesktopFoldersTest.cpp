#include "platform/DesktopFolders.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <optional>

using vx7::platform::DesktopFolders;

namespace {

// Points HOME and the XDG folders into a temporary tree for the test's lifetime.
struct DesktopFoldersTest : ::testing::Test {
    QTemporaryDir dir;
    std::map<QByteArray, std::optional<QByteArray>> saved;

    QString Home() const { return dir.path() + "/home"; }
    void Set(const char* name, const QString& value) {
        if (!saved.count(name))
            saved[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        qputenv(name, value.toUtf8());
    }
    void Unset(const char* name) {
        if (!saved.count(name))
            saved[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
        qunsetenv(name);
    }
    void SetUp() override {
        QDir().mkpath(Home() + "/Desktop");
        Set("HOME", Home());
        Set("XDG_CONFIG_HOME", dir.path() + "/config");
        Set("XDG_DATA_HOME", dir.path() + "/data");
        Set("VX7_SYSTEM_DIR", dir.path() + "/system");
    }
    void TearDown() override {
        for (const auto& [name, value] : saved) {
            if (value)
                qputenv(name.constData(), *value);
            else
                qunsetenv(name.constData());
        }
    }
};

} // namespace

TEST_F(DesktopFoldersTest, FoldersFollowTheEnvironment) {
    const DesktopFolders f = DesktopFolders::FromEnvironment();
    EXPECT_EQ(f.Desktop(), Home() + "/Desktop");
    EXPECT_EQ(f.Applications(), dir.path() + "/data/applications");
    EXPECT_EQ(f.SystemDirectory(), dir.path() + "/system");

    Unset("VX7_SYSTEM_DIR");
    EXPECT_EQ(DesktopFolders::FromEnvironment().SystemDirectory(), dir.path() + "/data");
    Unset("XDG_DATA_HOME");
    EXPECT_EQ(DesktopFolders::FromEnvironment().SystemDirectory(), Home() + "/.local/share");
    EXPECT_EQ(DesktopFolders::FromEnvironment().Applications(), Home() + "/.local/share/applications");
    Set("XDG_DATA_HOME", "relative/data");
    EXPECT_EQ(DesktopFolders::FromEnvironment().SystemDirectory(), Home() + "/.local/share")
        << "a relative XDG_DATA_HOME is ignored";
}

TEST_F(DesktopFoldersTest, AMissingDesktopFolderIsUnavailable) {
    QDir(Home() + "/Desktop").removeRecursively();
    EXPECT_EQ(DesktopFolders::FromEnvironment().Desktop(), QString());
}
