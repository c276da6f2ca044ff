#pragma once

#include "editor/document/EditorSession.h"
#include "imaging/drawing/DrawingItemList.h"
#include "imaging/raster/RasterDocument.h"
#include "materials/MaterialCatalogue.h"

#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace vx7::camera {
struct StationHooks;
}
namespace vx7::core {
class EncoderRegistry;
class SysInfo;
} // namespace vx7::core
namespace vx7::platform {
class Prompt;
}

namespace vx7::editor {
class EditorWindow;
}

namespace vx7::app {

// Connects the camera station to the image editor and owns the editor's
// program-wide objects: the raster document, the drawing items, the material
// catalogue and the editor session, which live from start to exit.
class EditorStationBridge {
  public:
    EditorStationBridge(core::SysInfo& sys, platform::Prompt& prompt, const core::EncoderRegistry& encoders);
    ~EditorStationBridge();

    // Fills the station's editor hook.
    void Install(camera::StationHooks& hooks);

    // Runs the editor modally on a photo; returns the dialog's result.
    int OpenEditor(QWidget* parent, const QString& photoPath, int kind, int mode);

    // Called with each editor window before it runs (tests drive it from here).
    void SetBeforeRun(std::function<void(editor::EditorWindow&)> hook) { beforeRun_ = std::move(hook); }

    imaging::RasterDocument& Raster() { return *raster_; }
    imaging::DrawingItemList& Items() { return *items_; }
    materials::MaterialCatalogue& Catalogue() { return catalogue_; }
    editor::EditorSession& Session() { return session_; }

  private:
    core::SysInfo& sys_;
    platform::Prompt& prompt_;
    const core::EncoderRegistry& encoders_;
    std::unique_ptr<imaging::RasterDocument> raster_;
    std::unique_ptr<imaging::DrawingItemList> items_;
    materials::MaterialCatalogue catalogue_;
    editor::EditorSession session_;
    std::function<void(editor::EditorWindow&)> beforeRun_;
};

} // namespace vx7::app
