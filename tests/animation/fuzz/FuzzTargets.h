#pragma once

#include <cstddef>
#include <cstdint>

// The bodies of the fuzz targets over the GIF readers. libFuzzer binaries call one
// each (FuzzEntry.cpp); the animation tests run every stored seed and every input
// that once crashed through them, so a fixed crash stays fixed, and check what the
// reader made of each.
//
// Each target checks the invariants of what the reader accepted (every block inside
// the data, every frame inside the screen, pixel counts that match the size …) and
// aborts, naming the broken one on stderr, when one does not hold.
namespace vx7::fuzz {

// What a reader made of an input: refused it, or accepted it with this many items
// (images, frames or pixels, as each target says).
struct Outcome {
    bool accepted = false;
    std::size_t items = 0;
};

// Accepted: a GIF whose blocks all walk; items: its images.
Outcome BlockWalker(const std::uint8_t* data, std::size_t size);
// First byte: minimum code size; next two: pixel count (little-endian); the rest: data.
// Accepted: every pixel decoded; items: the pixels written.
Outcome LzwDecoder(const std::uint8_t* data, std::size_t size);
// Codes the input bytes as pixels and decodes them again; aborts when they differ.
// Accepted: always, for a non-empty input; items: the bytes.
Outcome LzwRoundTrip(const std::uint8_t* data, std::size_t size);
// Accepted: a palette frame file; items: its pixels.
Outcome PaletteFrameReader(const std::uint8_t* data, std::size_t size);
// Accepted: a GIF with a whole header; items: the frames cut out (none for one image).
Outcome FrameSplitter(const std::uint8_t* data, std::size_t size);
// Accepted: at least one image decoded; items: the images decoded.
Outcome IndexedReader(const std::uint8_t* data, std::size_t size);

} // namespace vx7::fuzz
