#include "app/placeholder_window.h"

#include <QLabel>
#include <QVBoxLayout>

namespace quorvex {

PlaceholderWindow::PlaceholderWindow(QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Quorvex"));
    setFixedSize(498, 607);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Quorvex"), this), 0, Qt::AlignCenter);
}

}  // namespace quorvex
