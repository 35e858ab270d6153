#include <windows.h>

#include <commctrl.h>

#include "browser/locations.h"
#include "monitor/interface_table_source.h"
#include "platform/clock.h"
#include "platform/win32_process_elevation.h"
#include "platform/win32_prompts.h"
#include "settings/win32_registry_settings_storage.h"
#include "shell/shell.h"
#include "tuning/elevated_rows_backend.h"
#include "tuning/win32_registry_backend.h"
#include "undo/interrupted_command.h"
#include "undo/record_store.h"
#include "undo/records_folder.h"
#include "undo/undo_commands.h"
#include "undo/undo_recorder.h"
#include "win32/dpi.h"
#include "win32/elevated_console_writer.h"
#include "win32/event_pump.h"
#include "win32/form1_window.h"
#include "win32/front_end.h"
#include "win32/number_locale.h"
#include "win32/shell_restart.h"

// The real parts of the outside world are made here and nowhere else.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    quorvex::win32::becomeDpiAware();
    // Main window creation: the common controls. shell32 is loaded only when something is opened
    // or started (win32/shell_execute.h) or the restart prompt is asked for.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);

    // The window runs as the user: the writes that need administrator rights go to quorvex.com,
    // started elevated when a command is about to make them.
    quorvex::Win32RegistryBackend systemRegistry;
    const quorvex::Win32ProcessElevation elevation;
    quorvex::win32::ElevatedConsoleWriter elevatedWriter(quorvex::win32::consoleProgramBeside(),
                                                         quorvex::win32::currentUserSid());
    quorvex::ElevatedRowsBackend registry(systemRegistry, &elevation, &elevatedWriter);
    quorvex::Win32RegistrySettingsStorage settings;
    quorvex::Win32Prompts prompts(0, quorvex::win32::requestSystemReboot);
    quorvex::win32::Win32EventPump events;
    quorvex::SystemLocations locations;
    quorvex::SystemClock clock;
    const auto interfaces = quorvex::MakeSystemInterfaceTableSource();
    quorvex::win32::Win32FrontEnd frontEnd(events);
    frontEnd.setFinished([] { PostQuitMessage(0); });

    quorvex::Shell shell({{registry, settings, prompts, events, locations, clock}, *interfaces},
                         frontEnd);
    // The monitor's figures in the user's own separators.
    shell.setNumberLocale(quorvex::win32::userNumberLocale());

    // The undo records: %LOCALAPPDATA%\Quorvex.
    const quorvex::undo::RecordStore records(quorvex::undo::defaultRecordsFolder());
    quorvex::undo::UndoRecorder recorder(records);
    shell.commands().context().recorder = &recorder;
    // Only an unelevated process is told to run as administrator when the registry refuses.
    shell.commands().context().elevation = &elevation;
    quorvex::undo::UndoCommands undo(shell.commands(), records);
    // Before the window reads the settings: a command that a crash cut short is finished.
    quorvex::undo::finishInterruptedCommand(registry, settings, records);

    shell.offerUndo(undo);
    shell.setMainWindowCreated([&prompts, &elevatedWriter](quorvex::MainWindow& window) {
        const HWND handle = static_cast<quorvex::win32::Form1Window&>(window).hwnd();
        prompts.setOwner(reinterpret_cast<quorvex::WindowHandle>(handle));
        elevatedWriter.setOwner(handle);
    });
    shell.start();
    return events.run();
}
