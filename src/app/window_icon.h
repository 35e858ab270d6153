#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace quorvex {

// The named application icon ("AAA") at the sizes a desktop shows a window's icon at on a screen
// of scale `ratio`: up to 128 pixels at 100 %, up to 256 above it (as the artwork takes its 2x
// bitmaps). A null icon when there is no such resource.
QIcon applicationIcon(const QString& resourceName, qreal ratio = 1.0);

// Installs the named icon as the window's icon, at the sizes of the window's screen scale; with
// `includeOwner` its topmost owner (the window itself when it has none) receives it first.
void ApplyWindowIcon(QWidget* window, const QString& resourceName, bool includeOwner);

}  // namespace quorvex
