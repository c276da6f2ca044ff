#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace vx7::animation {

using ByteSpan = std::span<const std::uint8_t>;

inline ByteSpan AsBytes(const QByteArray& bytes) {
    return ByteSpan(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                    static_cast<std::size_t>(bytes.size()));
}

enum class GifBlockKind {
    ApplicationExtension, // 0x21 0xFF
    CommentExtension,     // 0x21 0xFE
    GraphicControl,       // 0x21 0xF9
    PlainText,            // 0x21 0x01
    OtherExtension,       // 0x21 with any other label: skipped by its sub-blocks
    Image,                // 0x2C
    Trailer,              // 0x3B
};

// One block of the stream: [position, position + length) always lies inside the data.
struct GifBlock {
    GifBlockKind kind = GifBlockKind::Trailer;
    std::size_t position = 0;
    std::size_t length = 0;
};

// The fields of an image block (descriptor, local table, code size and data).
struct GifImageDescriptor {
    int left = 0, top = 0, width = 0, height = 0;
    std::uint8_t packed = 0;
    bool interlaced = false;
    int localTableEntries = 0;        // 0 when the image has no local colour table
    std::size_t tablePosition = 0;    // first byte of the local colour table, when present
    std::size_t codeSizePosition = 0; // the LZW minimum code size byte
    std::size_t dataPosition = 0;     // first data sub-block
    std::size_t dataLength = 0;       // sub-blocks including the zero terminator
};

// The fields of a graphic control extension.
struct GifGraphicControl {
    std::uint8_t packed = 0;
    int disposal = 0;          // bits 2-4 of the packed byte
    int delay = 0;             // hundredths of a second
    int transparentIndex = -1; // -1 unless bit 0 of the packed byte is set
};

// Walks the block stream of a GIF file held in memory, one block per Next().
// Every block it returns lies wholly inside the data, so callers may read any byte
// of it without further checks. A block that runs past the end of the data, an
// unknown introducer byte or the end of the data without a trailer ends the walk:
// Next() then returns nullopt and Failed() tells a damaged stream from a trailer.
// The walker never trusts a length it has not checked against the data size.
class GifBlockWalker {
  public:
    static constexpr std::size_t kHeaderSize = 13; // signature and logical screen descriptor

    explicit GifBlockWalker(ByteSpan data);

    // True when the data begins with "GIF" and holds the whole header and global table.
    bool IsGif() const { return start_.has_value(); }
    // Start of the block stream: 13, plus the global colour table when the screen
    // descriptor's packed byte has bit 7 set. nullopt when the data is not such a GIF.
    static std::optional<std::size_t> StreamStart(ByteSpan data);

    // The next block, or nullopt when the walk is over (after the trailer, at the
    // end of the data, or at a damaged block).
    std::optional<GifBlock> Next();
    bool Failed() const { return failed_; }
    std::size_t Cursor() const { return cursor_; }

    // Length of a chain of data sub-blocks starting at position, through its zero
    // terminator; nullopt when the chain runs past the end of the data.
    static std::optional<std::size_t> SubBlocksLength(ByteSpan data, std::size_t position);

    // Reads the fields of a block returned by Next().
    static GifImageDescriptor ReadImage(ByteSpan data, const GifBlock& image);
    // nullopt when the extension's first sub-block holds fewer than 4 bytes.
    static std::optional<GifGraphicControl> ReadGraphicControl(ByteSpan data, const GifBlock& extension);

  private:
    ByteSpan data_;
    std::optional<std::size_t> start_;
    std::size_t cursor_ = 0;
    bool done_ = false;
    bool failed_ = false;
};

} // namespace vx7::animation
