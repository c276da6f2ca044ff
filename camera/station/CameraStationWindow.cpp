#include "CameraStationWindow.h"

#include "camera/app/SplashWindow.h"
#include "camera/settings/PathParts.h"
#include "camera/settings/SysInfo.h"
#include "platform/Clock.h"
#include "platform/SoundPlayer.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>

namespace vx7::camera {

CameraStationWindow::CameraStationWindow(StationContext ctx, QWidget* parent) : QDialog(parent), ctx_(ctx) {
    splash_ = new SplashWindow(ctx_.splashState, ctx_.clock);
    splash_->setAttribute(Qt::WA_DeleteOnClose);
    splash_->show();
    ctx_.sound.Play(QStringLiteral(":/wave/151.wav"));
    setWindowIcon(QIcon(QStringLiteral(":/icon/128.png")));
    // Window creation reads the installation folder and loads the settings once…
    ctx_.sys.SetFolder(QDir::currentPath());
    ctx_.sys.Load();
    InitDialog();
}

CameraStationWindow::~CameraStationWindow() = default;

void CameraStationWindow::InitDialog() {
    // …and dialog initialisation reads them again, so the file's contents win.
    ctx_.sys.SetFolder(QDir::currentPath());
    ctx_.sys.Load();
    setWindowTitle(QStringLiteral("%1< %2 >").arg(ProductTitle(), ctx_.sys.PhotoFolder()));
    resize(800, 600);
    ctx_.splashState.store(kSplashClose);
}

void CameraStationWindow::closeEvent(QCloseEvent* event) {
    if (!escaping_)
        ctx_.sys.PurgeWorkFolder();
    escaping_ = false;
    event->accept();
}

void CameraStationWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    case Qt::Key_Escape:
        // Esc ends the dialog without the close-box clean-up.
        escaping_ = true;
        reject();
        escaping_ = false;
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace vx7::camera
