#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

namespace quorvex::win32 {

// Text for the wide Win32 calls from the core's UTF-8, and back.
std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& text);

// A rectangle in 96-dpi units, as the window's layout is written.
struct Bounds {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Owns one HWND and routes its messages to virtual handlers. Windows of our own classes are
// created through createCustom(); the system's controls (buttons, lists, edits, statics) through
// createControl(), which subclasses them so that their messages reach the same handlers (through
// the window procedure itself: comctl32's subclassing looks its data up in a window property,
// a trip to the window server for every message). A parent
// reflects WM_COMMAND, WM_NOTIFY and WM_CTLCOLOR* to the child Wnd that sent them.
class Wnd {
  public:
    Wnd() = default;
    virtual ~Wnd();
    Wnd(const Wnd&) = delete;
    Wnd& operator=(const Wnd&) = delete;

    HWND hwnd() const { return hwnd_; }
    // The Wnd that owns a window, or null for a window that is not ours.
    static Wnd* fromHandle(HWND window);

    void setVisible(bool visible);
    bool isVisible() const;  // its own flag, whether or not its parent shows
    void setEnabled(bool enabled);
    bool isEnabled() const;
    void setText(const std::string& text);
    std::string text() const;
    void setFont(HFONT font);
    // Places the window at 96-dpi bounds scaled to its parent's DPI.
    void setBounds(const Bounds& bounds);
    const Bounds& bounds() const { return bounds_; }
    // Re-applies the bounds after a DPI change.
    void applyDpi();
    int dpi() const;
    void invalidate();
    // Places this window above all its siblings.
    void raise();
    // The tooltip window that shows this window's tip: pointer messages are relayed to it.
    void setTooltips(HWND tooltips);
    // Where the focus goes when this window hides while it has it (a resting picture hands it
    // to the command picture it uncovers); without one, or when that does not show, to the
    // nearest shown ancestor.
    void setFocusHeir(Wnd* heir) { focusHeir_ = heir; }
    // True for a window with see-through parts: it paints what lies beneath it first
    // (win32/composition.h), and its siblings above repaint when it changes.
    virtual bool composites() const { return false; }

  protected:
    struct CustomArgs {
        HWND parent = nullptr;
        const wchar_t* className = nullptr;  // registered by createCustom on first use
        std::string title;
        DWORD style = 0;
        DWORD exStyle = 0;
        HBRUSH background = nullptr;  // class background; null paints nothing
        HCURSOR cursor = nullptr;     // null: the arrow
        HICON icon = nullptr;
        UINT classStyle = 0;
    };
    bool createCustom(const CustomArgs& args);

    struct ControlArgs {
        HWND parent = nullptr;
        const wchar_t* className = nullptr;  // WC_BUTTONW, WC_COMBOBOXW...
        std::string text;
        DWORD style = 0;
        DWORD exStyle = 0;
    };
    bool createControl(const ControlArgs& args);

    // The message handler: the default calls the virtual handlers below, then the window's
    // default procedure.
    virtual LRESULT wndProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT defaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    virtual void onPaint(HDC, const RECT&) {}
    // WM_PRINTCLIENT: the window's own pixels for a see-through window above it; by default
    // what WM_PAINT draws.
    virtual void onPrint(HDC dc, const RECT& client) { onPaint(dc, client); }
    virtual bool paints() const { return false; }
    virtual void onTimer(UINT_PTR) {}
    virtual void onMouseMove(int, int) {}
    virtual void onLeftDown(int, int) {}
    virtual void onLeftUp(int, int) {}
    virtual void onMouseLeave() {}
    virtual bool onKeyDown(WPARAM) { return false; }
    virtual void onSize(int, int) {}
    virtual void onDpiChanged(int) {}
    virtual bool onClose() { return false; }  // true: handled, the window stays
    virtual void onDestroy() {}
    // Reflected from the parent; return true when handled.
    virtual bool onCommandReflected(WORD, LRESULT&) { return false; }
    virtual HBRUSH onColorReflected(HDC) { return nullptr; }

  private:
    static LRESULT CALLBACK customProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Puts the control's own procedure back.
    void unsubclass();
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void attach(HWND window);

    HWND hwnd_ = nullptr;
    // The system control's own procedure, which createControl() replaced; null for our classes.
    WNDPROC original_ = nullptr;
    Bounds bounds_;
    bool hasBounds_ = false;
    HFONT font_ = nullptr;
    HWND tooltips_ = nullptr;
    Wnd* focusHeir_ = nullptr;
};

// A small event, SumatraPDF style: whoever owns the control sets it.
using Event = std::function<void()>;

}  // namespace quorvex::win32
