#include "app/EditorStationBridge.h"

#include "camera/station/StationHooks.h"
#include "core/SysInfo.h"
#include "editor/window/EditorWindow.h"

namespace vx7::app {

EditorStationBridge::EditorStationBridge(core::SysInfo& sys, platform::Prompt& prompt,
                                         const core::EncoderRegistry& encoders)
    : sys_(sys), prompt_(prompt), encoders_(encoders), raster_(std::make_unique<imaging::RasterDocument>()),
      items_(std::make_unique<imaging::DrawingItemList>()), catalogue_(sys.InstallFolder()) {}

EditorStationBridge::~EditorStationBridge() = default;

void EditorStationBridge::Install(camera::StationHooks& hooks) {
    hooks.openEditor = [this](QWidget* parent, const QString& photoPath, camera::EditorKind kind,
                              camera::EditorMode mode) {
        OpenEditor(parent, photoPath, static_cast<int>(kind), static_cast<int>(mode));
    };
}

int EditorStationBridge::OpenEditor(QWidget* parent, const QString& photoPath, int kind, int mode) {
    catalogue_.SetInstallFolder(sys_.InstallFolder());
    editor::EditorContext context{*raster_, *items_, catalogue_, sys_, prompt_, session_, encoders_};
    editor::EditorWindow window(context, photoPath, kind, mode, parent);
    if (beforeRun_)
        beforeRun_(window);
    return window.exec();
}

} // namespace vx7::app
