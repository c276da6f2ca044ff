#pragma once

// Owning pointers for GStreamer objects of the capture backends: the reference is
// dropped when the pointer goes. Only backend source files include this header.

#include <gst/gst.h>

#include <memory>

namespace vx7::camera {

struct GstObjectUnref {
    void operator()(gpointer p) const {
        if (p)
            gst_object_unref(p);
    }
};

using ElementPtr = std::unique_ptr<GstElement, GstObjectUnref>;

} // namespace vx7::camera
