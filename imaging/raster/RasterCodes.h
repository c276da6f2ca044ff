#pragma once

namespace vx7::imaging {

// Operation codes of the RasterDocument. Each family has its own type so that a
// code of one family cannot be passed where another is expected. The numbers
// are those of the editor's command and mouse protocol and stay fixed.

// Whether DrawPlaced only shows the placed picture or also captures it.
enum class CaptureOp : int { Preview = 0, Commit = 99 };

// What the placement moves, scales and rotates.
enum class PlacementTarget : int { Photo = 0, Background = 111 };

// RotatePlacement: set the angle, or step it by one degree up or down.
enum class RotateOp : int { Set = 100, Up = 101, Down = 102 };

// StepBrushRadius: three pixels down or up, within 3..9.
enum class RadiusOp : int { Down = 11111, Up = 22222 };

// ScrollMagnifier: a third of the magnifier's columns or rows.
enum class ScrollOp : int { Left = 101, Right = 102, Up = 201, Down = 202 };

// ToneWholePhoto and ToneBackground (Sharpen applies to the background only).
enum class ToneOp : int { Brighten = 101, Darken = 102, Sharpen = 103 };

// Eraser strokes: remove pixels, or with Alt held bring removed pixels back.
enum class EraseOp : int { Remove = 0, Restore = 9 };

// Tone strokes: a drag (Inverse with Alt held, which the tone tools ignore), or
// a make-up click without a move, which paints one full-size dab.
enum class ToneStrokeOp : int { Drag = 0, Inverse = 9, SingleDab = 99 };

// Sticker ellipse selection: mark the ellipse, or with Alt held turn it back to kept.
enum class SelectOp : int { Select = 0, Deselect = 9 };

// What filling the work polygon does to the photo pixels inside it.
enum class FillAction : char { Remove = 'x', Keep = 'B', Spotlight = 'L' };

// The edge a sticker selection gets.
enum class EdgeStyle : char { Plain = ' ', Feather = 'Y', Bright = 'L' };

// What removed photo pixels show.
enum class BackgroundMode : int { Colour = 0, Picture = 1 };

} // namespace vx7::imaging
