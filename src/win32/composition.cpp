#include "win32/composition.h"

#include <vector>

#include "win32/wnd.h"

namespace quorvex::win32 {

namespace {

// `window`'s rectangle in its parent's client coordinates.
RECT rectInParent(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool seeThrough(HWND window) {
    const Wnd* owner = Wnd::fromHandle(window);
    return owner && owner->composites();
}

// Paints `source`'s own pixels into `dc`, whose client origin lies at `origin` of `source`.
void printInto(HWND source, HDC dc, POINT origin) {
    POINT previous;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(source, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

}  // namespace

void paintBeneath(HWND window, HDC dc) {
    HWND parent = GetParent(window);
    if (!parent) return;
    const RECT self = rectInParent(window, parent);
    const int saved = SaveDC(dc);
    if (seeThrough(parent)) {
        POINT previous;
        OffsetViewportOrgEx(dc, -self.left, -self.top, &previous);
        paintBeneath(parent, dc);
        SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
    }
    // The viewport already in place is where `window`'s client origin lies in `dc`.
    POINT base;
    GetViewportOrgEx(dc, &base);
    printInto(parent, dc, {self.left - base.x, self.top - base.y});
    // Siblings below, painted from the bottom up.
    std::vector<std::pair<HWND, RECT>> below;
    for (HWND sibling = GetWindow(window, GW_HWNDNEXT); sibling;
         sibling = GetWindow(sibling, GW_HWNDNEXT)) {
        if (!IsWindowVisible(sibling)) continue;
        const RECT r = rectInParent(sibling, parent);
        RECT overlap;
        if (IntersectRect(&overlap, &r, &self)) below.emplace_back(sibling, r);
    }
    for (auto it = below.rbegin(); it != below.rend(); ++it)
        printInto(it->first, dc,
                  {self.left - it->second.left - base.x, self.top - it->second.top - base.y});
    RestoreDC(dc, saved);
}

void invalidateSeeThroughAbove(HWND window) {
    HWND parent = GetParent(window);
    if (!parent) return;
    const RECT self = rectInParent(window, parent);
    for (HWND sibling = GetWindow(window, GW_HWNDPREV); sibling;
         sibling = GetWindow(sibling, GW_HWNDPREV)) {
        if (!seeThrough(sibling) || !IsWindowVisible(sibling)) continue;
        const RECT r = rectInParent(sibling, parent);
        RECT overlap;
        if (!IntersectRect(&overlap, &r, &self)) continue;
        OffsetRect(&overlap, -r.left, -r.top);
        InvalidateRect(sibling, &overlap, FALSE);
    }
}

}  // namespace quorvex::win32
