#include <QApplication>

#include "app/placeholder_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    quorvex::PlaceholderWindow window;
    window.show();
    return QApplication::exec();
}
