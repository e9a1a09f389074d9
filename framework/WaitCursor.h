#pragma once
// The wait cursor shown while a long step blocks the user-interface thread.

#include "framework/Presenter.h"

namespace fw {

// +1 begins a wait, -1 ends one, 0 shows it again after something else changed the cursor.
void ChangeWaitCursor(int change);
int WaitCursorDepth();

}  // namespace fw

class CWaitCursor {
public:
    CWaitCursor() { fw::ChangeWaitCursor(1); }
    ~CWaitCursor() { fw::ChangeWaitCursor(-1); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore() { fw::ChangeWaitCursor(0); }
};
