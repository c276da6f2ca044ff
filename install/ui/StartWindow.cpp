#include "StartWindow.h"

#include "core/InstallLayout.h"
#include "resources/InstallerPictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

namespace vx7::install {
namespace {

// Captions of the plain picture drawn when the medium has none.
QString RegionCaption(int region) {
    switch (region) {
    case 1:
        return QStringLiteral("安装软件");
    case 2:
        return QStringLiteral("卸载软件");
    case 3:
        return QStringLiteral("访问主页");
    case 4:
        return QStringLiteral("在线说明");
    default:
        return QStringLiteral("退  出");
    }
}

QRect PictureRegion(const resources::InstallerRegion& r) {
    return QRect(r.HighlightX(), r.HighlightY(), r.HighlightWidth(), r.HighlightHeight());
}

QImage PlainStartPicture() {
    QImage img(resources::kStartPictureWidth, resources::kStartPictureHeight, QImage::Format_RGB32);
    QPainter p(&img);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(40, 70, 120));
    g.setColorAt(1, QColor(15, 25, 50));
    p.fillRect(img.rect(), g);
    QFont title = p.font();
    title.setPixelSize(26);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 30, img.width(), 60), Qt::AlignCenter, QStringLiteral("Vantor摄像头拍照(动画)Snapo"));
    QFont label = p.font();
    label.setPixelSize(18);
    label.setBold(false);
    p.setFont(label);
    for (const auto& r : resources::kInstallerRegions) {
        const QRect area = PictureRegion(r).adjusted(0, 0, -1, -1);
        p.setPen(QColor(160, 190, 230));
        p.setBrush(QColor(30, 55, 95));
        p.drawRoundedRect(area, 6, 6);
        p.setPen(Qt::white);
        p.drawText(area, Qt::AlignCenter, RegionCaption(r.number));
    }
    return img;
}

// The region's part of the picture, lit and framed.
QImage PlainHighlight(const QImage& picture, const resources::InstallerRegion& r) {
    QImage part = picture.copy(PictureRegion(r)).convertToFormat(QImage::Format_RGB32);
    QPainter p(&part);
    p.fillRect(part.rect(), QColor(255, 255, 255, 70));
    p.setPen(QPen(QColor(255, 210, 60), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(part.rect().adjusted(1, 1, -1, -1));
    return part;
}

} // namespace

StartWindow::StartWindow(const QString& mediumProgramFolder, StartWindowActions actions, QWidget* parent)
    : QWidget(parent), folder_(mediumProgramFolder), actions_(std::move(actions)) {
    setWindowTitle(QStringLiteral("Vantor摄像头拍照(动画)Snapo"));
    setWindowFlag(Qt::FramelessWindowHint);
    setMouseTracking(true);
    LoadPictures();
    model_.SetGeometry(size(), picture_.size());
}

void StartWindow::LoadPictures() {
    picture_ = QImage(folder_ + u'/' + core::layout::StartPicture());
    if (picture_.isNull())
        picture_ = PlainStartPicture();
    for (const auto& r : resources::kInstallerRegions) {
        QImage lit(folder_ + u'/' + resources::HighlightPictureName(r.number));
        highlights_.at(static_cast<std::size_t>(r.number - 1)) =
            lit.isNull() ? PlainHighlight(picture_, r) : lit;
    }
}

void StartWindow::ShowOverScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    setGeometry(QRect(area.topLeft() - QPoint(3, 3), StartWindowModel::WindowSize(area.size())));
    show();
}

void StartWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    model_.SetGeometry(size(), picture_.size());
}

void StartWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::black);
    p.drawImage(model_.Origin(), picture_);
    if (const int region = model_.Hovered())
        p.drawImage(model_.HighlightPosition(region), Highlight(region));
}

void StartWindow::UpdateCursor() {
    if (model_.Hovered())
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

void StartWindow::mouseMoveEvent(QMouseEvent* event) {
    if (model_.MouseMove(event->position().toPoint())) {
        UpdateCursor();
        update();
    }
}

void StartWindow::leaveEvent(QEvent*) {
    if (model_.Hovered()) {
        model_.MouseLeft();
        UpdateCursor();
        update();
    }
}

void StartWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        close();
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    using Action = StartWindowModel::Action;
    const Action action = model_.Click(event->position().toPoint());
    switch (action) {
    case Action::Install:
        if (actions_.install)
            actions_.install();
        break;
    case Action::Uninstall:
        if (actions_.uninstall)
            actions_.uninstall();
        break;
    case Action::WebPage1:
    case Action::WebPage2:
        if (actions_.openPage)
            actions_.openPage(StartWindowModel::WebPageTarget(action, folder_));
        break;
    case Action::Quit:
        close();
        break;
    case Action::None:
        break;
    }
}

} // namespace vx7::install
