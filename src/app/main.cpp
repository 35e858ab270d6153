#include <QApplication>

#include "app/form1.h"
#include "app/logind_reboot.h"
#include "app/program.h"
#include "app/qt_event_pump.h"
#include "app/qt_prompts.h"
#include "app/version_option.h"
#include "app/window_fonts.h"
#include "browser/locations.h"
#include "monitor/interface_table_source.h"
#include "platform/clock.h"
#include "settings/qt_settings_storage.h"
#include "tuning/file_registry_backend.h"

#include <iostream>

// The real parts of the outside world are made here and nowhere else.
int main(int argc, char* argv[]) {
    // Answered before any window system is reached, so that it also works without a display.
    if (quorvex::wantsVersion(argc, argv)) {
        std::cout << quorvex::versionText() << '\n';
        return 0;
    }
    QApplication app(argc, argv);
    // No organisation name: the data folder is ~/.local/share/Quorvex.
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorvex.Quorvex"));
    quorvex::registerTahomaFallback();

    quorvex::FileRegistryBackend registry(quorvex::defaultRegistryStorePath().toStdString());
    quorvex::QtSettingsStorage settings;
    quorvex::QtPrompts prompts(nullptr, [] { return quorvex::requestSystemReboot(); });
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
