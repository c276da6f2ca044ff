#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace vx7::install {

// The installer's start window: a picture centred on a window a little larger than the
// screen, with five hot regions. Geometry and hover state live here; the window paints
// and forwards the mouse.
class StartWindowModel {
  public:
    enum class Action { None = 0, Install = 1, Uninstall = 2, WebPage1 = 3, WebPage2 = 4, Quit = 5 };

    // The window covers the screen with 3 pixels to spare on every side.
    static QSize WindowSize(const QSize& screen) { return screen + QSize(6, 6); }
    // Where the picture's top-left corner goes: centred, never off the left or top edge.
    static QPoint PictureOrigin(const QSize& window, const QSize& picture);

    void SetGeometry(const QSize& window, const QSize& picture);
    QPoint Origin() const { return origin_; }

    // The region (1 to 5) under a window point, 0 for none; bounds are outside.
    int RegionAt(const QPoint& windowPoint) const;
    // Where region n's highlighted picture is drawn, in window coordinates.
    QPoint HighlightPosition(int region) const;
    // The region's area (bounds included), in window coordinates.
    QRect RegionRect(int region) const;

    // Mouse movement: true when the highlighted region changed and the window must
    // repaint. Hovered() is the region under the pointer (0 for none).
    bool MouseMove(const QPoint& windowPoint);
    void MouseLeft() { hovered_ = 0; }
    int Hovered() const { return hovered_; }

    Action Click(const QPoint& windowPoint) const { return static_cast<Action>(RegionAt(windowPoint)); }

    // The pages regions 3 and 4 open: the product page and the guide shipped in the
    // program folder of the medium.
    static QString WebPageTarget(Action action, const QString& mediumProgramFolder);
    static QString WebPage1File() { return QStringLiteral("vx7EcameraHome.htm"); }
    static QString WebPage2File() { return QStringLiteral("vx7EcameraHelp.htm"); }

  private:
    QPoint origin_;
    int hovered_ = 0;
};

} // namespace vx7::install
