#include "camera/app/SplashWindow.h"
#include "StationTestBase.h"
#include "camera/station/CameraStationWindow.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/SoundPlayer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <gtest/gtest.h>

using namespace vx7::camera;
using namespace vx7::core;

TEST(SplashWindowTest, CountsSecondsAndClosesOnTheHandshake) {
    std::atomic<int> state{kSplashStarting};
    vx7::platform::ManualClock clock;
    clock.SetSecondsOfDay(3600);
    SplashWindow splash(state, clock);
    EXPECT_EQ(state.load(), kSplashUp);
    splash.show();
    EXPECT_EQ(splash.LabelText(), QString("---"));
    clock.Advance(3);
    splash.Tick();
    EXPECT_EQ(splash.LabelText(), QString("3"));
    clock.SetSecondsOfDay(10); // past midnight: a negative count is not shown
    splash.Tick();
    EXPECT_EQ(splash.LabelText(), QString("3"));
    state.store(kSplashClose);
    splash.Tick();
    EXPECT_EQ(state.load(), kSplashGone);
    EXPECT_FALSE(splash.isVisible());
}

namespace {

struct StationFixture : vx7::test::StationTestBase {};

} // namespace

TEST_F(StationFixture, StartUpTitlesTheWindowAndPlaysTheStartSound) {
    CameraStationWindow station({sys, clock, prompt, sound, splash});
    EXPECT_EQ(station.windowTitle(), "Vantor摄像头Snapo V1.3< " + home.Path() + "/2011拍照图片 >");
    EXPECT_EQ(sound.LastPath(), QString(":/wave/151.wav"));
    EXPECT_EQ(splash.load(), kSplashClose);
    EXPECT_EQ(QFile(home.Sub("vx7ECameraSysInfo.e3f")).size(), 4124);
}

TEST_F(StationFixture, CloseBoxPurgesButEscapeDoesNot) {
    home.WriteFile("tmpBmpData/a.bmp", "x");
    {
        CameraStationWindow station({sys, clock, prompt, sound, splash});
        station.show();
        QTest::keyClick(&station, Qt::Key_Escape);
        EXPECT_FALSE(station.isVisible());
    }
    EXPECT_TRUE(QFile::exists(home.Sub("tmpBmpData/a.bmp")));
    {
        CameraStationWindow station({sys, clock, prompt, sound, splash});
        station.show();
        station.close();
    }
    EXPECT_FALSE(QFile::exists(home.Sub("tmpBmpData/a.bmp")));
}
