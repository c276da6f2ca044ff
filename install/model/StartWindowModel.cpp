#include "StartWindowModel.h"

#include "resources/InstallerPictures.h"

#include <QRect>
#include <QUrl>

#include <algorithm>

namespace vx7::install {

QPoint StartWindowModel::PictureOrigin(const QSize& window, const QSize& picture) {
    return QPoint(std::max(0, (window.width() - picture.width()) / 2),
                  std::max(0, (window.height() - picture.height()) / 2));
}

void StartWindowModel::SetGeometry(const QSize& window, const QSize& picture) {
    origin_ = PictureOrigin(window, picture);
}

int StartWindowModel::RegionAt(const QPoint& windowPoint) const {
    const QPoint p = windowPoint - origin_;
    for (const auto& r : resources::kInstallerRegions) {
        if (r.Contains(p.x(), p.y()))
            return r.number;
    }
    return 0;
}

QPoint StartWindowModel::HighlightPosition(int region) const {
    for (const auto& r : resources::kInstallerRegions) {
        if (r.number == region)
            return origin_ + QPoint(r.HighlightX(), r.HighlightY());
    }
    return origin_;
}

QRect StartWindowModel::RegionRect(int region) const {
    for (const auto& r : resources::kInstallerRegions) {
        if (r.number == region)
            return QRect(HighlightPosition(region), QSize(r.HighlightWidth(), r.HighlightHeight()));
    }
    return QRect();
}

bool StartWindowModel::MouseMove(const QPoint& windowPoint) {
    const int now = RegionAt(windowPoint);
    if (now == hovered_)
        return false;
    hovered_ = now;
    return true;
}

QString StartWindowModel::WebPageTarget(Action action, const QString& mediumProgramFolder) {
    QString file;
    if (action == Action::WebPage1)
        file = WebPage1File();
    else if (action == Action::WebPage2)
        file = WebPage2File();
    else
        return QString();
    return QUrl::fromLocalFile(mediumProgramFolder + u'/' + file).toString();
}

} // namespace vx7::install
