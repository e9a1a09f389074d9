#include "framework/WaitCursor.h"

namespace fw {

namespace {
int g_depth = 0;

void Show()
{
    if (Presenter* p = CurrentPresenter())
        p->cursor_changed(g_depth > 0 ? CursorKind::Wait : CursorKind::Arrow, nullptr);
}
}  // namespace

void ChangeWaitCursor(int change)
{
    const int before = g_depth;
    if (change > 0)
        ++g_depth;
    else if (change < 0 && g_depth > 0)
        --g_depth;
    if (change == 0 || (before == 0) != (g_depth == 0))
        Show();
}

int WaitCursorDepth() { return g_depth; }

}  // namespace fw
