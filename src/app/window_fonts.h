#pragma once

#include <QFont>

namespace quorvex {

// Tahoma at `points`; where Tahoma is absent, a font of close metrics stands in.
QFont tahoma(qreal points, bool bold = false);
// The window's default font: Tahoma 9 pt.
inline QFont windowFont() { return tahoma(9.0); }

}  // namespace quorvex
