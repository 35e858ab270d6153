// A minimal Qt window (one empty 502 x 271 widget, open until closed): the yardstick that
// scripts/startup_figures.sh measures the program's start-up against.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Reference"));
    window.resize(502, 271);
    window.show();
    return QApplication::exec();
}
