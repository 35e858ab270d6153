#include <QApplication>

#include "app/qt_event_pump.h"
#include "app/start_up.h"
#include "app/window_fonts.h"
#include "tuning/window_model.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setOrganizationName(QStringLiteral("Quorvex"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorvex.Quorvex"));

    quorvex::registerTahomaFallback();

    quorvex::QtEventPump pump;
    quorvex::WindowModel model;
    quorvex::Form1Actions actions;
    quorvex::StartUp startUp(model, pump, std::move(actions));
    startUp.start();
    return QApplication::exec();
}
