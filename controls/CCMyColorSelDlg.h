#pragma once

#include "ColourRef.h"

#include <QColorDialog>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

namespace vx7::controls {

// How the colour chooser is put on the screen when it opens.
enum class ColourDialogPlacement : int {
    Default = 0,        // where the base dialog puts it
    TopLeft = 1001,     // top-left corner at (x, y)
    BottomLeft = 2011,  // bottom-left corner at (x, y)
    WithinLimits = 1009 // top-left at (x, y), then moved left and up to stay within the limits
};

// The top-left corner of a window of size at (x, y) in the given placement;
// empty for the default placement.
std::optional<QPoint> PlaceColourDialog(QSize windowSize, QPoint at, ColourDialogPlacement placement,
                                        int rightLimit, int bottomLimit);

// The colour chooser opened at a position the caller gives. Qt's own dialog
// (never the desktop's), so tests can drive it; it is moved, never resized.
class CCMyColorSelDlg : public QColorDialog {
    Q_OBJECT
  public:
    explicit CCMyColorSelDlg(QWidget* parent = nullptr);

    void SetPlacement(int x, int y, ColourDialogPlacement placement);
    void SetLimits(int right, int bottom) {
        rightLimit_ = right;
        bottomLimit_ = bottom;
    }
    void SetInitialColour(ColourRef colour) { setCurrentColor(ToQColor(colour)); }
    // The chosen colour; read after exec() returned Accepted.
    ColourRef ChosenColour() const { return FromQColor(selectedColor()); }

    QPoint PlacementPoint() const { return at_; }
    ColourDialogPlacement Placement() const { return placement_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QPoint at_{100, 50};
    ColourDialogPlacement placement_ = ColourDialogPlacement::Default;
    int rightLimit_ = 0;
    int bottomLimit_ = 0;
};

} // namespace vx7::controls
