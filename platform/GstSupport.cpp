#include "GstSupport.h"

#include <gst/gst.h>

#include <mutex>

namespace vx7::platform {

void EnsureGst() {
    static std::once_flag once;
    std::call_once(once, [] { gst_init(nullptr, nullptr); });
}

bool AudioOutputAvailable() {
    static const bool available = [] {
        EnsureGst();
        GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
        if (!sink)
            return false;
        const GstStateChangeReturn r = gst_element_set_state(sink, GST_STATE_READY);
        gst_element_set_state(sink, GST_STATE_NULL);
        gst_object_unref(sink);
        return r != GST_STATE_CHANGE_FAILURE;
    }();
    return available;
}

const char* AudioSinkName() {
    return AudioOutputAvailable() ? "autoaudiosink" : "fakesink";
}

} // namespace vx7::platform
