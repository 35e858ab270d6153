#include <QApplication>
#include <QDir>

#include "app/form1.h"
#include "app/logind_reboot.h"
#include "app/program.h"
#include "app/qt_event_pump.h"
#include "app/qt_prompts.h"
#include "app/window_fonts.h"
#include "browser/locations.h"
#include "monitor/interface_table_source.h"
#include "platform/clock.h"
#include "settings/qt_settings_storage.h"
#include "tuning/file_registry_backend.h"

// The real parts of the outside world are made here and nowhere else.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // No organisation name: the data folder is ~/.local/share/Quorvex.
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorvex.Quorvex"));
    quorvex::registerTahomaFallback();

    quorvex::FileRegistryBackend registry(quorvex::defaultRegistryStorePath().toStdString(),
                                          QDir::homePath().toStdString());
    quorvex::QtSettingsStorage settings;
    quorvex::QtPrompts prompts(nullptr, [&app](quorvex::QtPrompts::RefusalHandler onRefused) {
        quorvex::requestSystemReboot(&app, std::move(onRefused));
    });
    quorvex::QtEventPump events;
    quorvex::SystemLocations locations;
    quorvex::SystemClock clock;
    const auto interfaces = quorvex::MakeSystemInterfaceTableSource();

    quorvex::Program program({registry, settings, prompts, events, locations, clock, *interfaces});
    program.setMainWindowCreated(
        [&prompts](quorvex::Form1& window) { prompts.setParent(&window); });
    program.start();
    return QApplication::exec();
}
