#pragma once

#include <QIcon>
#include <QString>

class QWidget;

namespace quorvex {

// The named application icon ("AAA") at every size the window system asks for; a null icon
// when there is no such resource.
QIcon applicationIcon(const QString& resourceName);

// Installs the named icon as the window's icon; with `includeOwner` its topmost owner (the
// window itself when it has none) receives it first.
void ApplyWindowIcon(QWidget* window, const QString& resourceName, bool includeOwner);

}  // namespace quorvex
