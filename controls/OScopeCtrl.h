#pragma once
// A scrolling strip chart: each new value moves the plot left by a few pixels and draws the
// newest segment at the right edge, a line with the area under it filled. It keeps no
// history of values; what was drawn lives only in its trace layer.
//
// Two layers of the client size are kept: the frame (background, border, grid, captions),
// drawn only when a setting changes, and the trace, scrolled in place for every value.
// Painting ORs the trace over the frame in a temporary bitmap and copies that to the window.

#include "framework/CString.h"
#include "framework/CWnd.h"
#include "framework/gdi/CBitmap.h"
#include "framework/gdi/CBrush.h"
#include "framework/gdi/CDC.h"
#include "framework/gdi/CPen.h"
#include "framework/gdi/CRect.h"

class COScopeCtrl : public CWnd {
public:
    COScopeCtrl();
    ~COScopeCtrl() override;

    virtual BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id);

    // Every setter ends in RebuildFrame, so it also clears the plotted history.
    void SetScale(double lower, double upper, int decimals);
    void SetXLabel(CString text);
    void SetYLabel(CString text);
    void SetFrameColor(COLORREF color);
    void SetTraceColor(COLORREF color);
    void SetBackColor(COLORREF color);
    void SetFillColor(COLORREF color);
    // Plots `value`; returns the value plotted before it (callers ignore it).
    double AddSample(double value);
    void RebuildFrame();

    int m_nScrollStep = 4;
    int m_nDecimals = 3;
    CString m_strXLabel;
    CString m_strYLabel;
    COLORREF m_crBack;
    COLORREF m_crFrame;
    COLORREF m_crTrace;
    COLORREF m_crFill;
    // Zero until the first value, so that the first AddSample returns 0.
    double m_dNewValue = 0.0;
    double m_dLastValue = 0.0;
    int m_nHalfStep;
    int m_nTraceOffset;
    int m_nClientHeight = 0;
    int m_nClientWidth = 0;
    int m_nPlotHeight = 0;
    int m_nPlotWidth = 0;
    double m_dLower = 0.0;
    double m_dUpper = 0.0;
    double m_dSpan = 0.0;
    double m_dPixelsPerUnit = 0.0;
    CRect m_rcClient;
    CRect m_rcPlot;
    CPen m_penTrace;
    CBrush m_brushBack;
    CDC m_dcFrame;
    CDC m_dcTrace;
    CBitmap* m_pOldFrameBitmap = nullptr;
    CBitmap* m_pOldTraceBitmap = nullptr;
    CBitmap m_bmpFrame;
    CBitmap m_bmpTrace;
    CPen m_penFill;

protected:
    void OnPaint();
    void OnSize(UINT type, int cx, int cy);
    void ScrollAndDraw();

    DECLARE_MESSAGE_MAP()

private:
    // Creates a layer's context and bitmap at the client size on first use; later windows reuse them.
    void EnsureLayer(CDC& client, CDC& layer, CBitmap& bitmap, CBitmap*& oldBitmap);
    void ClearLayer(CDC& layer);
    void DrawFrameLines();
    void DrawCaptions();
    void UpdatePixelsPerUnit();
    // The row `value` is plotted on.
    int RowOf(double value) const;
};
