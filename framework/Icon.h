#pragma once
// Icons as handles that carry their resource id and picture.

#include "framework/Messages.h"
#include "framework/ResourceModule.h"

namespace fw {

struct IconData {
    int resource_id = 0;
    IconImage image;
};

// The handle of a picture; equal pictures of one id share a handle, so loading an icon on
// every tick allocates nothing new.
HICON IconHandleFor(int resource_id, const IconImage& image);
// Null for a handle that names no icon.
const IconData* IconOf(HICON icon);

}  // namespace fw

HICON LoadIcon(HINSTANCE module, LPCSTR name);
HICON CopyIcon(HICON icon);
BOOL DestroyIcon(HICON icon);
HCURSOR LoadCursor(HINSTANCE module, LPCSTR name);
HCURSOR SetCursor(HCURSOR cursor);
// Standard cursors.
inline LPCSTR const IDC_ARROW = MAKEINTRESOURCE(32512);
inline LPCSTR const IDC_WAIT = MAKEINTRESOURCE(32514);
inline LPCSTR const IDC_HAND = MAKEINTRESOURCE(32649);
