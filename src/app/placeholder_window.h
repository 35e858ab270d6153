#pragma once

#include <QWidget>

namespace quorvex {

// Stands in for the main window until the pages are built.
class PlaceholderWindow : public QWidget {
    Q_OBJECT
public:
    explicit PlaceholderWindow(QWidget* parent = nullptr);
};

}  // namespace quorvex
