#include <windows.h>

#include <commctrl.h>

#include "browser/locations.h"
#include "monitor/interface_table_source.h"
#include "platform/clock.h"
#include "platform/win32_prompts.h"
#include "settings/win32_registry_settings_storage.h"
#include "tuning/win32_registry_backend.h"
#include "win32/dpi.h"
#include "win32/event_pump.h"
#include "win32/program.h"
#include "win32/shell_restart.h"

// The real parts of the outside world are made here and nowhere else.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    quorvex::win32::becomeDpiAware();
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);

    quorvex::Win32RegistryBackend registry;
    quorvex::Win32RegistrySettingsStorage settings;
    quorvex::Win32Prompts prompts(0, quorvex::win32::requestSystemReboot);
    quorvex::win32::Win32EventPump events;
    quorvex::SystemLocations locations;
    quorvex::SystemClock clock;
    const auto interfaces = quorvex::MakeSystemInterfaceTableSource();

    quorvex::win32::Program program(
        {registry, settings, prompts, events, locations, clock, *interfaces});
    program.setMainWindowCreated([&](quorvex::win32::Form1Window& window) {
        prompts.setOwner(reinterpret_cast<quorvex::WindowHandle>(window.hwnd()));
        events.setDialogWindow(window.hwnd());
    });
    program.setFinished([] { PostQuitMessage(0); });
    program.start();
    return events.run();
}
