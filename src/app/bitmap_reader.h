#pragma once

#include <QImage>
#include <QString>

namespace quorvex {

// One of the program's own PNG bitmaps (artwork, icon) at `path`, with its colours premultiplied
// by their alpha (the form the screen draws; without alpha when it is wholly opaque), or null
// when it is missing or damaged. Read as PNG
// without guessing: guessing loads every image plugin Qt has (GIF, JPEG, SVG and the libraries
// behind them) into the process, for pictures that are always PNG.
QImage readBitmap(const QString& path);

}  // namespace quorvex
