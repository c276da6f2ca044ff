#pragma once

#include "install/model/StartWindowModel.h"

#include <QImage>
#include <QWidget>

#include <array>
#include <functional>

namespace vx7::install {

// What the start window's regions do; wired in main() so tests can put in their own.
struct StartWindowActions {
    std::function<void()> install;                // region 1
    std::function<void()> uninstall;              // region 2
    std::function<void(const QString&)> openPage; // regions 3 and 4, with the page's address
};

// The installer's full-screen start window: the start picture centred, a region's
// highlighted picture while the pointer is over it, the hand cursor there; a left click
// acts on the region, a right click quits. Missing pictures are drawn plainly.
class StartWindow : public QWidget {
    Q_OBJECT
  public:
    // mediumProgramFolder holds the start picture and the highlighted pictures.
    StartWindow(const QString& mediumProgramFolder, StartWindowActions actions, QWidget* parent = nullptr);

    // Covers the primary screen with 3 pixels to spare on every side.
    void ShowOverScreen();

    StartWindowModel& Model() { return model_; }
    // The picture the window paints (loaded or drawn).
    const QImage& Picture() const { return picture_; }
    const QImage& Highlight(int region) const { return highlights_.at(static_cast<std::size_t>(region - 1)); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void LoadPictures();
    void UpdateCursor();

    QString folder_;
    StartWindowActions actions_;
    StartWindowModel model_;
    QImage picture_;
    std::array<QImage, 5> highlights_;
};

} // namespace vx7::install
