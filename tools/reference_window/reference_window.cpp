// A minimal Qt window (one empty 502 x 271 widget, shown for four seconds): the yardstick that
// scripts/startup_figures.sh measures the program's start-up against.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Reference"));
    window.resize(502, 271);
    window.show();
    QTimer::singleShot(4000, &app, &QApplication::quit);
    return QApplication::exec();
}
