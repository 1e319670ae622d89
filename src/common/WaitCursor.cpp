#include "common/WaitCursor.h"

namespace kelvo {

namespace {
WaitCursor::Hook g_show = nullptr;
WaitCursor::Hook g_restore = nullptr;
}  // namespace

WaitCursor::WaitCursor() {
    if (g_show) {
        g_show();
    }
}

WaitCursor::~WaitCursor() {
    if (g_restore) {
        g_restore();
    }
}

void WaitCursor::setHooks(Hook show, Hook restore) {
    g_show = show;
    g_restore = restore;
}

}  // namespace kelvo
