#include "platform/SoundPlayer.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace {

// Points an environment variable elsewhere for the life of the object.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const QString& value) : name_(name) {
        if (qEnvironmentVariableIsSet(name))
            old_ = qgetenv(name);
        qputenv(name, value.toLocal8Bit());
    }
    ~ScopedEnv() {
        if (old_)
            qputenv(name_, *old_);
        else
            qunsetenv(name_);
    }

  private:
    const char* name_;
    std::optional<QByteArray> old_;
};

} // namespace

TEST(SoundPlayerTest, BundledSoundsLeaveNothingInTheTemporaryFolderAndReuseOneCacheCopy) {
    QTemporaryDir tmp, cache;
    ScopedEnv t("TMPDIR", tmp.path());
    ScopedEnv c("XDG_CACHE_HOME", cache.path());
    for (int run = 0; run < 2; ++run) {
        auto player = vx7::platform::MakeSoundPlayer();
        player->Play(QStringLiteral(":/wave/151.wav"));
        player->Play(QStringLiteral(":/wave/145.wav"));
        QTest::qWaitFor([&] { return player->ActiveCount() == 0; }, 10000);
    }
    EXPECT_TRUE(QDir(tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden).isEmpty());
    const QStringList cached = QDir(cache.path() + "/vx7ECamera/sounds").entryList(QDir::Files);
    EXPECT_EQ(cached, QStringList({"wave_145.wav", "wave_151.wav"}));
}
