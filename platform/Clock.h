#pragma once

#include <QDateTime>

namespace vx7::platform {

// Source of the time of day. Every timer decision that reads the wall clock goes
// through this so tests can freeze or step it.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime Now() const = 0;

    // Hour * 3600 + minute * 60 + second of Now().
    int SecondsOfDay() const;
};

class SystemClock final : public Clock {
  public:
    QDateTime Now() const override { return QDateTime::currentDateTime(); }
};

// A clock that only moves when told to; used by tests and by the command-line tool.
class ManualClock final : public Clock {
  public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2026, 1, 1), QTime(12, 0, 0)))
        : now_(std::move(start)) {}
    QDateTime Now() const override { return now_; }
    void Set(const QDateTime& t) { now_ = t; }
    void SetSecondsOfDay(int s) { now_ = QDateTime(now_.date(), QTime(0, 0).addSecs(s)); }
    void Advance(int seconds) { now_ = now_.addSecs(seconds); }

  private:
    QDateTime now_;
};

} // namespace vx7::platform
