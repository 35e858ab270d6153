#include "win32/link_cursor.h"

namespace quorvex::win32 {

HCURSOR linkCursor() {
    static const HCURSOR cursor = [] {
        auto own = static_cast<HCURSOR>(LoadImageW(GetModuleHandleW(nullptr), L"LINKCURSOR",
                                                   IMAGE_CURSOR, 32, 32, LR_DEFAULTCOLOR));
        return own ? own : LoadCursorW(nullptr, IDC_HAND);
    }();
    return cursor;
}

}  // namespace quorvex::win32
