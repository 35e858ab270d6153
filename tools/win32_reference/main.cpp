// The yardstick of scripts/windows_figures.sh: a minimal Win32 program built exactly as
// Quorvex.exe is (same compiler, flags and static runtime, without resources), one plain window of
// the main window's client size, so the figures can be read against what any such window costs.
// With "--timer" it also wakes once a second, as a traffic monitor must, and does nothing else:
// the yardstick for the monitor's idle cost. With "--table" as well, each wake reads the
// system's interface table once, the least any traffic monitor can do each second.
#include <winsock2.h>
// After winsock2.h.
#include <windows.h>
// After windows.h.
#include <ws2ipdef.h>
// After ws2ipdef.h.
#include <iphlpapi.h>

#include <cwchar>

namespace {

bool readsTable = false;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            FillRect(dc, &paint.rcPaint, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
            EndPaint(window, &paint);
            return 0;
        }
        case WM_TIMER:
            if (readsTable) {
                MIB_IF_TABLE2* table = nullptr;
                if (GetIfTable2(&table) == NO_ERROR) FreeMibTable(table);
            }
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, w, l);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    WNDCLASSW type{};
    type.lpfnWndProc = Procedure;
    type.hInstance = instance;
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.lpszClassName = L"QuorvexReference";
    RegisterClassW(&type);
    RECT frame{0, 0, 498, 607};
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    HWND window = CreateWindowW(L"QuorvexReference", L"Reference", style, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top,
                                nullptr, nullptr, instance, nullptr);
    ShowWindow(window, show);
    const auto has = [commandLine](const wchar_t* option) {
        return commandLine != nullptr && std::wcsstr(commandLine, option) != nullptr;
    };
    readsTable = has(L"--table");
    if (has(L"--timer") || readsTable) SetTimer(window, 1, 1000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
