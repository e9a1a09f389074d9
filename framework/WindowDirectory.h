#pragma once
// Where FindWindow looks for top-level windows by title. In-process by default; a directory
// that also sees the windows of the user's other Zephra processes can be installed.

#include "framework/Messages.h"

namespace fw {

class WindowDirectory {
public:
    virtual ~WindowDirectory() = default;
    // A top-level window, hidden ones included, whose title is exactly `title` and, when
    // `class_name` is given, whose class matches; null when there is none.
    virtual HWND find_window(LPCSTR class_name, LPCSTR title) = 0;
};

// The windows of this process.
WindowDirectory& LocalWindowDirectory();
// Installs `directory` (null: the local one) and returns the one before.
WindowDirectory* SetWindowDirectory(WindowDirectory* directory);
WindowDirectory& CurrentWindowDirectory();

}  // namespace fw
