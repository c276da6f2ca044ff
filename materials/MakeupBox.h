#pragma once

#include <QPoint>
#include <QRect>
#include <QStringList>

#include <optional>
#include <vector>

namespace vx7::materials {

// The make-up box without its window: where the palette swatches go inside the
// picture area, which swatch a click hits, and where the brush sample is taken.
// Swatches are laid out column by column, 6 columns on a 26-pixel pitch.
class MakeupBox {
  public:
    static constexpr int kCapacity = 60; // palette files listed at most
    static constexpr int kSwatchSize = 22;
    static constexpr int kPitch = 26;
    static constexpr int kColumns = 6;
    static constexpr int kGridWidth = 162;
    static constexpr int kFirstColumnInset = 4;
    static constexpr int kFirstRowInset = 8;
    static constexpr unsigned kBackground = 0x00C8C8C8; // colour references (byte 0 red)
    static constexpr unsigned kFrameTopLeft = 0x002C2C2C;
    static constexpr unsigned kFrameBottomRight = 0x00BCBCBC;

    // Rows that fit the picture area: (height - 6) / 26, never below 0.
    static int Rows(const QRect& area);
    // The 22 x 22 squares for count palettes in file order; palettes beyond
    // 6 x rows get no square.
    static std::vector<QRect> SwatchRects(const QRect& area, int count);
    // The first square (file order) that contains the point, right and bottom edges
    // excluded; -1 when none.
    static int HitTest(const std::vector<QRect>& swatches, const QPoint& point);
    // ((left + right) / 2 - 1, (top + bottom) / 2) with right and bottom exclusive:
    // the 23 x 23 sample around it holds the swatch and its immediate surroundings.
    static QPoint SamplePoint(const QRect& swatch);

    // Lays the palettes out anew (the box lists its files on every paint). The chosen
    // swatch stays chosen while it still exists.
    void Layout(const QRect& area, const QStringList& palettes);
    const QStringList& Palettes() const { return palettes_; }
    const std::vector<QRect>& Swatches() const { return swatches_; }

    // A left click: remembers the swatch hit, if any, and returns whether one was hit.
    bool Click(const QPoint& point);
    bool IsOver(const QPoint& point) const { return HitTest(swatches_, point) >= 0; }
    int Chosen() const { return chosen_; }
    bool CanAccept() const { return chosen_ >= 0; }
    // Where OK takes the sample; nothing when no swatch has been chosen.
    std::optional<QPoint> AcceptSamplePoint() const;

  private:
    QStringList palettes_;
    std::vector<QRect> swatches_;
    int chosen_ = -1;
};

} // namespace vx7::materials
