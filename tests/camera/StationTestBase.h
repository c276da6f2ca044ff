#pragma once

#include "camera/app/SplashState.h"
#include "camera/station/CameraStationWindow.h"
#include "core/SysInfo.h"
#include "platform/Clock.h"
#include "platform/SoundPlayer.h"
#include "support/ScriptedPrompt.h"
#include "support/TempInstallFolder.h"

#include <QDir>
#include <QString>

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace vx7::test {

// What every camera station test stands on: an installation folder that is the
// current folder while the test runs, a settings record, a manual clock, scripted
// message boxes, a silent sound player and the splash state.
struct StationTestBase : ::testing::Test {
    TempInstallFolder home;
    QString previous = QDir::currentPath();
    core::SysInfo sys;
    platform::ManualClock clock;
    ScriptedPrompt prompt;
    platform::NullSoundPlayer sound;
    std::atomic<int> splash{camera::kSplashUp};

    void SetUp() override { QDir::setCurrent(home.Path()); }
    void TearDown() override { QDir::setCurrent(previous); }
};

// For tests that start a station of their own: the clock reads 09:00:00 and the
// station is closed before the installation folder goes.
struct LiveStationTestBase : StationTestBase {
    std::unique_ptr<camera::CameraStationWindow> station;

    void SetUp() override {
        StationTestBase::SetUp();
        clock.SetSecondsOfDay(9 * 3600);
    }
    void TearDown() override {
        station.reset();
        StationTestBase::TearDown();
    }
};

} // namespace vx7::test
