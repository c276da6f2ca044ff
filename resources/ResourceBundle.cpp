// The compiled resource collection, registered with Qt by a static initialiser when the
// program starts. The anchor symbol gives the linker a reason to keep this object even when it
// sits in a static library that nothing else references: every target linking vx7_resources is
// linked with "--undefined=vx7_resources_anchor".
#include "qrc_vx7_resources.cpp"

extern "C" {
extern const int vx7_resources_anchor;
const int vx7_resources_anchor = 1;
}
