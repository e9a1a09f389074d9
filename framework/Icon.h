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

struct CursorData {
    int resource_id = 0;
    bool standard = true;  // one of the platform's own; else `image` is the module's picture
    CursorImage image;
    bool copy = false;     // made by CopyIcon: lives until DestroyCursor
};

// Null for a handle that names no cursor.
const CursorData* CursorOf(HCURSOR cursor);

}  // namespace fw

HICON LoadIcon(HINSTANCE module, LPCSTR name);
// A copy of a cursor (its handle passed as an icon's, as the platform allows) outlives the
// module it was loaded from.
HICON CopyIcon(HICON icon);
BOOL DestroyIcon(HICON icon);
// A module's cursor resource, or with no module one of the standard cursors below.
HCURSOR LoadCursor(HINSTANCE module, LPCSTR name);
BOOL DestroyCursor(HCURSOR cursor);
HCURSOR SetCursor(HCURSOR cursor);
// Standard cursors.
inline LPCSTR const IDC_ARROW = MAKEINTRESOURCE(32512);
inline LPCSTR const IDC_WAIT = MAKEINTRESOURCE(32514);
inline LPCSTR const IDC_HAND = MAKEINTRESOURCE(32649);
