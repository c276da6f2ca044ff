#pragma once

#include <QByteArray>
#include <QString>

namespace vx7::test {

// Hostile inputs made in the test, never stored.

// An animated GIF of a few hundred bytes whose frames each cover a logical screen of
// side × side pixels with one pixel of image data: decoded naively, every frame takes
// side² × 4 bytes.
QByteArray DecodedMemoryBombGif(int side, int frames);

// Makes a FIFO at path (opening it for reading waits for a writer). False on failure.
bool MakeFifo(const QString& path);

// Makes path a link to /dev/zero (reads never end, size() says 0). False on failure.
bool LinkToDevZero(const QString& path);

} // namespace vx7::test
