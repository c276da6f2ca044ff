#pragma once

#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace vx7::controls {

// A small tip window for toolbar buttons: shown above a point of its owner, it hides
// itself on the fourth tick of a 300 ms timer. A tip that is already showing keeps its
// text and place until it hides.
class CTbarButTittleTip : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kTimerId = 15;
    static constexpr int kTickMs = 300;
    static constexpr int kTickLimit = 3;

    explicit CTbarButTittleTip(QWidget* owner);

    // Shows text with its bottom edge 10 pixels above (x, y) of the owner's client
    // area. Does nothing while the tip is visible or when no window of the program has
    // the focus.
    void ShowTip(int x, int y, const QString& text);
    void HideTip();

    // One tick of the timer; public so tests can drive it.
    void Tick();

    QString Text() const { return text_; }
    int ShowCount() const { return shows_; }
    int TickCount() const { return ticks_; }
    bool TimerRunning() const { return timer_.isActive(); }

    // The tip rectangle in owner client coordinates for a text size at (x, y).
    static QRect TipRect(int x, int y, const QSize& textSize);
    static QFont TipFont();

    // Whether a window of the program has the focus; replaceable for tests.
    void SetFocusCheck(std::function<bool()> check) { focusCheck_ = std::move(check); }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* owner_;
    QString text_;
    QTimer timer_;
    int ticks_ = 0;
    int shows_ = 0;
    std::function<bool()> focusCheck_;
};

} // namespace vx7::controls
