#pragma once
// Device contexts over a window's own raster: the presenter shows that raster.

#include "framework/gdi/CDC.h"

class CWnd;

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};

class CClientDC : public CDC {
public:
    explicit CClientDC(CWnd* window);
    ~CClientDC() override;

protected:
    HWND m_hWnd = nullptr;
};

class CWindowDC : public CClientDC {
public:
    explicit CWindowDC(CWnd* window) : CClientDC(window) {}
};

// For WM_PAINT: marks the window painted.
class CPaintDC : public CClientDC {
public:
    explicit CPaintDC(CWnd* window);
    PAINTSTRUCT m_ps;
};
