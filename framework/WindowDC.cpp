#include "framework/WindowDC.h"

#include <algorithm>

#include "framework/CWnd.h"
#include "framework/WindowProcedure.h"

namespace {
gdi::Raster* RasterOf(HWND handle)
{
    fw::Window* w = fw::FromHandle(handle);
    if (w == nullptr)
        return nullptr;
    const int width = std::max(w->rect.Width(), 1), height = std::max(w->rect.Height(), 1);
    if (w->raster.Width() != width || w->raster.Height() != height)
        w->raster.Resize(width, height);
    return &w->raster;
}
}  // namespace

CClientDC::CClientDC(CWnd* window) : m_hWnd(window ? window->m_hWnd : nullptr)
{
    if (gdi::Raster* raster = RasterOf(m_hWnd))
        AttachRaster(*raster);
}

CClientDC::~CClientDC()
{
    if (fw::Window* w = fw::FromHandle(m_hWnd))
        fw::Notify(w, fw::Change::Invalidated);
}

CPaintDC::CPaintDC(CWnd* window) : CClientDC(window)
{
    m_ps.hdc = m_hDC;
    if (fw::Window* w = fw::FromHandle(m_hWnd)) {
        m_ps.rcPaint = w->client_rect();
        m_ps.fErase = TRUE;
        w->needs_paint = false;
    }
}
