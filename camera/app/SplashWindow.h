#pragma once

#include "SplashState.h"

#include <QDialog>
#include <QPixmap>

#include <atomic>

class QLabel;
class QTimer;

namespace vx7::platform {
class Clock;
}

namespace vx7::camera {

// The start-up splash: a frameless window with bitmap 141 and a label counting the
// seconds since it opened. It polls the shared state once a second and closes itself
// when the state is 999, setting it to 0. Runs on the main thread (Qt allows widgets
// nowhere else); the only thing it shares with the station is the state integer.
class SplashWindow : public QDialog {
    Q_OBJECT
  public:
    enum { IDD = 138, kLabelSeconds = 1023, kTimerId = 15 };

    SplashWindow(std::atomic<int>& state, const platform::Clock& clock, QWidget* parent = nullptr);

    // One tick of timer 15; public so tests can drive it without waiting.
    void Tick();
    QString LabelText() const;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::atomic<int>& state_;
    const platform::Clock& clock_;
    int openedAt_;
    QPixmap background_;
    QLabel* seconds_;
    QTimer* timer_;
};

} // namespace vx7::camera
