#pragma once

// Shared start-up of GStreamer for the capture, sound and video backends. Only
// backend source files include this header.

namespace vx7::platform {

// Initialises GStreamer once per process; safe to call from any backend.
void EnsureGst();

// True when an automatic audio sink can be opened on this machine; where none can,
// backends play into a discarding sink instead of failing.
bool AudioOutputAvailable();

// The element name of the audio output to use: "autoaudiosink" or "fakesink".
const char* AudioSinkName();

} // namespace vx7::platform
