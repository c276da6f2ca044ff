#pragma once

#include <QImage>
#include <QString>

namespace vx7::assetgen {

// Camera station drawn button `name` ("butVideo", "Video_butReco", ...): the lit picture
// ("_OK", `lit` true) or the plain one ("_NO"). A null image for an unknown name.
QImage MakeStationButton(const QString& name, bool lit);

// Editor picture button `name` ("imgEdit_DrawArrow", ...). A null image for an unknown name.
QImage MakeEditorButton(const QString& name);

} // namespace vx7::assetgen
