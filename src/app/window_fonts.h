#pragma once

#include <QFont>

namespace quorvex {

// Where Tahoma is not installed but Wine's metric-compatible Tahoma is, makes it available to
// this process under the name Tahoma. Call after the application object exists and before the
// first text is measured (the main window does, as it first needs a font).
void registerTahomaFallback();

// Tahoma at `points`; where Tahoma is absent, a font of close metrics stands in.
QFont tahoma(qreal points, bool bold = false);
// Whether the font asks for bold but the face drawn is not a bold one (the toolkit thickens the
// regular face a little).
bool boldIsSimulated(const QFont& font);
// The window's default font: Tahoma 9 pt.
inline QFont windowFont() {
    return tahoma(9.0);
}

}  // namespace quorvex
