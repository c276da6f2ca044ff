#pragma once

#include <cstddef>
#include <cstdint>

// The bodies of the fuzz targets over the GIF readers. libFuzzer binaries call one
// each (FuzzEntry.cpp); the animation tests run every stored seed and every input
// that once crashed through them, so a fixed crash stays fixed.
namespace vx7::fuzz {

int BlockWalker(const std::uint8_t* data, std::size_t size);
// First byte: minimum code size; next two: pixel count (little-endian); the rest: data.
int LzwDecoder(const std::uint8_t* data, std::size_t size);
// Codes the input bytes as pixels and decodes them again; aborts when they differ.
int LzwRoundTrip(const std::uint8_t* data, std::size_t size);
int PaletteFrameReader(const std::uint8_t* data, std::size_t size);
int FrameSplitter(const std::uint8_t* data, std::size_t size);
int IndexedReader(const std::uint8_t* data, std::size_t size);

} // namespace vx7::fuzz
