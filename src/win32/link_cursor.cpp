#include "win32/link_cursor.h"

#include "resource_ids.h"

namespace quorvex::win32 {

HCURSOR linkCursor() {
    static const HCURSOR cursor = [] {
        auto own = static_cast<HCURSOR>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_QUORVEX_LINK), IMAGE_CURSOR,
                       QUORVEX_LINK_CURSOR_SIZE, QUORVEX_LINK_CURSOR_SIZE, LR_DEFAULTCOLOR));
        return own ? own : LoadCursorW(nullptr, IDC_HAND);
    }();
    return cursor;
}

}  // namespace quorvex::win32
