#include <QApplication>
#include <QDir>

#include "app/form1.h"
#include "app/program.h"
#include "app/qt_event_pump.h"
#include "app/qt_prompts.h"
#include "app/version_option.h"
#include "browser/locations.h"
#include "cli/command_line_program.h"
#include "monitor/interface_table_source.h"
#include "platform/clock.h"
#include "platform/user_folders.h"
#include "settings/ini_file_settings_storage.h"
#include "tuning/file_registry_backend.h"
#include "undo/interrupted_command.h"
#include "undo/undo_commands.h"
#include "undo/undo_recorder.h"

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

// The administrators' commands, on the same file stores the window uses; no display needed.
int runCommand(int argc, char* argv[]) {
    const quorvex::UserFolders folders = quorvex::systemUserFolders();
    const char* home = std::getenv("HOME");
    quorvex::FileRegistryBackend registry(quorvex::registryStorePath(folders).string(),
                                          home ? home : "");
    quorvex::IniFileSettingsStorage settings(quorvex::settingsFilePath(folders));
    quorvex::SystemLocations locations;
    quorvex::SystemClock clock;
    const quorvex::undo::RecordStore records(quorvex::registryStorePath(folders).parent_path());
    quorvex::cli::CommandLineParts parts{registry, settings, locations, clock, records};
    return quorvex::cli::runCommandLine(std::vector<std::string>(argv + 1, argv + argc), parts,
                                        std::cout, std::cerr);
}

}  // namespace

// The real parts of the outside world are made here and nowhere else.
int main(int argc, char* argv[]) {
    if (argc > 1 && quorvex::cli::isCommandName(argv[1])) return runCommand(argc, argv);
    // Answered before any window system is reached, so that it also works without a display.
    const auto request = quorvex::parseCommandLine(argc, argv);
    using Action = quorvex::CommandLineRequest::Action;
    switch (request.action) {
        case Action::PrintVersion:
            std::cout << quorvex::versionText() << '\n';
            return 0;
        case Action::PrintHelp:
            std::cout << quorvex::helpText();
            return 0;
        case Action::UsageError:
            std::cerr << "quorvex: " << request.error << '\n' << quorvex::usageHint() << '\n';
            return 2;
        case Action::OpenWindow:
            break;
    }
    QApplication app(argc, argv);
    // No organisation name: the data folder is ~/.local/share/Quorvex.
    QApplication::setApplicationName(QStringLiteral("Quorvex"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.quorvex.Quorvex"));

    // Both files in the user's own folders, never the root or the working folder.
    const quorvex::UserFolders folders = quorvex::systemUserFolders();
    quorvex::FileRegistryBackend registry(quorvex::registryStorePath(folders).string(),
                                          QDir::homePath().toStdString());
    quorvex::IniFileSettingsStorage settings(quorvex::settingsFilePath(folders));
    quorvex::QtPrompts prompts(nullptr);
    quorvex::QtEventPump events;
    quorvex::SystemLocations locations;
    quorvex::SystemClock clock;
    const auto interfaces = quorvex::MakeSystemInterfaceTableSource();

    quorvex::Program program(
        {{registry, settings, prompts, events, locations, clock}, *interfaces});

    // The undo records live beside the registry file, in the per-user data folder.
    const quorvex::undo::RecordStore records(quorvex::registryStorePath(folders).parent_path());
    quorvex::undo::UndoRecorder recorder(records);
    program.commands().context().recorder = &recorder;
    quorvex::undo::UndoCommands undo(program.commands(), records);
    // Before the window reads the settings: a command that a crash cut short is finished.
    quorvex::undo::finishInterruptedCommand(registry, settings, records);

    program.shell().offerUndo(undo);
    program.setMainWindowCreated(
        [&prompts](quorvex::Form1& window) { prompts.setParent(&window); });
    program.start();
    return QApplication::exec();
}
