// Test entry point shared by every suite: a QApplication on the offscreen platform,
// so widget tests and image code run without a display.
#include <QApplication>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <iterator>
#include <system_error>
#include <thread>

namespace {

int ThreadCount() {
    std::error_code error;
    std::filesystem::directory_iterator tasks("/proc/self/task", error);
    return error ? 1 : static_cast<int>(std::distance(tasks, std::filesystem::directory_iterator()));
}

// Qt's worker threads (the global pool that QImage uses for large conversions and
// scaling) are detached: the application's destructor waits until they say they are
// finished, but each still releases its thread data on its way out. The leak check
// runs when main returns, so a thread still on its way out under load shows up as a
// leak that is not one. Waits until only this thread is left, or until the number of
// threads has stopped falling (threads that live until exit, such as GStreamer's).
void LetEndingThreadsFinish() {
    using namespace std::chrono_literals;
    const auto deadline = std::chrono::steady_clock::now() + 1s;
    int count = ThreadCount();
    auto lastChange = std::chrono::steady_clock::now();
    while (count > 1 && std::chrono::steady_clock::now() < deadline &&
           std::chrono::steady_clock::now() - lastChange < 50ms) {
        std::this_thread::sleep_for(2ms);
        const int now = ThreadCount();
        if (now != count) {
            count = now;
            lastChange = std::chrono::steady_clock::now();
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    int result = 0;
    {
        QApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    LetEndingThreadsFinish();
    return result;
}
