#pragma once

// The background the export window's views draw a font over: dark, or a
// checkerboard that shows where glyphs are transparent.

#include <QImage>
#include <QPainter>
#include <QRect>

namespace vantor {

/// Fills `area` with the dark background or, when `checkerboard`, grey squares.
void PaintViewBackground(QPainter& painter, const QRect& area, bool checkerboard);

/// A QImage that shares the RGBA bytes of `rgba` (width × height × 4, `premultiplied` or not); valid while they live.
QImage RgbaImage(const unsigned char* rgba, int width, int height, bool premultiplied);

}  // namespace vantor
