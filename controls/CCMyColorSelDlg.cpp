#include "CCMyColorSelDlg.h"

#include <QShowEvent>

namespace vx7::controls {

std::optional<QPoint> PlaceColourDialog(QSize windowSize, QPoint at, ColourDialogPlacement placement,
                                        int rightLimit, int bottomLimit) {
    switch (placement) {
    case ColourDialogPlacement::TopLeft:
        return at;
    case ColourDialogPlacement::BottomLeft:
        return QPoint(at.x(), at.y() - windowSize.height());
    case ColourDialogPlacement::WithinLimits: {
        QPoint p = at;
        if (p.x() + windowSize.width() > rightLimit)
            p.setX(rightLimit - windowSize.width());
        if (p.y() + windowSize.height() > bottomLimit)
            p.setY(bottomLimit - windowSize.height());
        return p;
    }
    case ColourDialogPlacement::Default:
        break;
    }
    return std::nullopt;
}

CCMyColorSelDlg::CCMyColorSelDlg(QWidget* parent) : QColorDialog(parent) {
    setObjectName(QStringLiteral("CCMyColorSelDlg"));
    setOption(QColorDialog::DontUseNativeDialog, true);
}

void CCMyColorSelDlg::SetPlacement(int x, int y, ColourDialogPlacement placement) {
    at_ = QPoint(x, y);
    placement_ = placement;
}

void CCMyColorSelDlg::showEvent(QShowEvent* event) {
    QColorDialog::showEvent(event);
    if (const auto topLeft =
            PlaceColourDialog(frameGeometry().size(), at_, placement_, rightLimit_, bottomLimit_))
        move(*topLeft);
}

} // namespace vx7::controls
