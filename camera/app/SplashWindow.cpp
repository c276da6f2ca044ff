#include "SplashWindow.h"

#include "platform/Clock.h"

#include <QLabel>
#include <QPainter>
#include <QTimer>

namespace vx7::camera {

SplashWindow::SplashWindow(std::atomic<int>& state, const platform::Clock& clock, QWidget* parent)
    : QDialog(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), state_(state),
      clock_(clock), openedAt_(clock.SecondsOfDay()), background_(QStringLiteral(":/bitmap/141.png")),
      seconds_(new QLabel(QStringLiteral("---"), this)), timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("SplashWindow"));
    state_.store(kSplashUp);
    const QSize size = background_.isNull() ? QSize(420, 260) : background_.size();
    setFixedSize(size);
    seconds_->setObjectName(QStringLiteral("label1023"));
    seconds_->setGeometry(size.width() - 70, size.height() - 34, 56, 22);
    seconds_->setAlignment(Qt::AlignCenter);
    seconds_->setStyleSheet(QStringLiteral("color: #ffffff; background: #2a6fb0; font-weight: bold;"));
    raise();
    timer_->setInterval(1000);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::Tick);
    timer_->start();
}

void SplashWindow::Tick() {
    if (state_.load() == kSplashClose) {
        timer_->stop();
        state_.store(kSplashGone);
        close();
        return;
    }
    const int elapsed = clock_.SecondsOfDay() - openedAt_;
    if (elapsed >= 0)
        seconds_->setText(QString::number(elapsed));
}

QString SplashWindow::LabelText() const {
    return seconds_->text();
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (background_.isNull()) {
        p.fillRect(rect(), QColor(0x2a, 0x6f, 0xb0));
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Vantor摄像头Snapo V1.3"));
        return;
    }
    p.drawPixmap(0, 0, background_);
}

} // namespace vx7::camera
