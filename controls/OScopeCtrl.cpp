#include "controls/OScopeCtrl.h"

#include <algorithm>
#include <cmath>

#include "framework/WindowClass.h"
#include "framework/WindowDC.h"

namespace {
constexpr int kPlotLeftMargin = 20;
constexpr int kPlotTopMargin = 10;
constexpr int kPlotRightMargin = 20;
constexpr int kPlotBottomMargin = 20;
constexpr int kGridDotSpacing = 4;
// Units digit, decimal point, sign and a space around the digits of a limit caption.
constexpr int kCaptionExtraChars = 4;
constexpr int kCaptionCharWidth = 3;
constexpr int kCaptionGap = 4;
constexpr int kCaptionFontHeight = 14;
constexpr int kTurnedUpright = 900;
constexpr char kCaptionFace[] = "Arial";

// The upper limits the pages use show a short text instead of the number.
struct NamedLimit {
    double value;
    const char* text;
};
constexpr NamedLimit kNamedUpperLimits[] = {
    {512000, "512K"},   {1000000, "1M"},    {2000000, "2M"},    {5000000, "5M"},
    {10000000, "10M"}, {20000000, "20M"}, {50000000, "50M"}, {60000000, "High"},
};
constexpr double kNamedLowerLimit = 1.0;
constexpr char kLowerLimitText[] = "Low";

// A value this many rows or more from the plot is drawn as if it were this far: far enough to
// leave the client area of any chart, near enough that the value always fits an int.
constexpr double kFarthestRow = 1 << 20;

LPCSTR s_lpszClassName = nullptr;

CString FormatLimit(double limit, int decimals)
{
    CString text;
    text.Format("%.*lf", decimals, limit);
    return text;
}

CString UpperCaption(double upper, int decimals)
{
    for (const NamedLimit& named : kNamedUpperLimits)
        if (upper == named.value)
            return named.text;
    return FormatLimit(upper, decimals);
}

CString LowerCaption(double lower, int decimals)
{
    return lower == kNamedLowerLimit ? CString(kLowerLimitText) : FormatLimit(lower, decimals);
}

// Digits of a limit's caption before its units digit; 0 for a limit of 0.
int ExtraDigits(double limit)
{
    if (limit == 0.0)
        return 0;
    return std::abs(static_cast<int>(std::trunc(std::log10(std::fabs(limit)))));
}

void RecreatePen(CPen& pen, COLORREF color)
{
    pen.DeleteObject();
    pen.CreatePen(PS_SOLID, 0, color);
}

void CreateCaptionFont(CFont& font, int escapement)
{
    font.CreateFont(kCaptionFontHeight, 0, escapement, 0, FW_LIGHT, FALSE, FALSE, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, kCaptionFace);
}
}  // namespace

BEGIN_MESSAGE_MAP(COScopeCtrl, CWnd)
    ON_WM_PAINT()
    ON_WM_SIZE()
END_MESSAGE_MAP()

COScopeCtrl::COScopeCtrl()
    : m_strXLabel("Samples"),
      m_strYLabel("Y units"),
      m_crBack(RGB(0, 0, 0)),
      m_crFrame(RGB(0, 255, 255)),
      m_crTrace(RGB(255, 255, 255)),
      m_crFill(RGB(100, 100, 255)),
      m_nHalfStep(m_nScrollStep / 2),
      m_nTraceOffset(m_nScrollStep + m_nHalfStep)
{
    m_penTrace.CreatePen(PS_SOLID, 0, m_crTrace);
    m_brushBack.CreateSolidBrush(m_crBack);
    m_penFill.CreatePen(PS_SOLID, 0, m_crFill);
}

COScopeCtrl::~COScopeCtrl()
{
    if (m_pOldFrameBitmap != nullptr)
        m_dcFrame.SelectObject(m_pOldFrameBitmap);
    if (m_pOldTraceBitmap != nullptr)
        m_dcTrace.SelectObject(m_pOldTraceBitmap);
    m_penTrace.DeleteObject();
    m_brushBack.DeleteObject();
    m_penFill.DeleteObject();
    m_bmpFrame.DeleteObject();
    m_bmpTrace.DeleteObject();
    m_dcFrame.DeleteDC();
    m_dcTrace.DeleteDC();
}

BOOL COScopeCtrl::Create(DWORD style, const RECT& rect, CWnd* parent, UINT id)
{
    if (s_lpszClassName == nullptr)
        s_lpszClassName = AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW, nullptr, nullptr, nullptr);
    const BOOL created = CreateEx(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE, s_lpszClassName, nullptr, style, rect, parent, id);
    if (created)
        RebuildFrame();
    return created;
}

void COScopeCtrl::SetScale(double lower, double upper, int decimals)
{
    m_dLower = lower;
    m_dUpper = upper;
    m_nDecimals = decimals;
    m_dSpan = m_dUpper - m_dLower;
    UpdatePixelsPerUnit();
    RebuildFrame();
}

void COScopeCtrl::SetXLabel(CString text)
{
    m_strXLabel = text;
    RebuildFrame();
}

void COScopeCtrl::SetYLabel(CString text)
{
    m_strYLabel = text;
    RebuildFrame();
}

void COScopeCtrl::SetFrameColor(COLORREF color)
{
    m_crFrame = color;
    RebuildFrame();
}

void COScopeCtrl::SetTraceColor(COLORREF color)
{
    m_crTrace = color;
    RecreatePen(m_penTrace, m_crTrace);
    RebuildFrame();
}

void COScopeCtrl::SetBackColor(COLORREF color)
{
    m_crBack = color;
    m_brushBack.DeleteObject();
    m_brushBack.CreateSolidBrush(m_crBack);
    RebuildFrame();
}

void COScopeCtrl::SetFillColor(COLORREF color)
{
    m_crFill = color;
    RecreatePen(m_penFill, m_crFill);
    RebuildFrame();
}

double COScopeCtrl::AddSample(double value)
{
    const double previous = m_dNewValue;
    m_dNewValue = value;
    ScrollAndDraw();
    Invalidate(TRUE);
    return previous;
}

void COScopeCtrl::OnSize(UINT type, int cx, int cy)
{
    CWnd::OnSize(type, cx, cy);
    GetClientRect(m_rcClient);
    m_nClientHeight = m_rcClient.Height();
    m_nClientWidth = m_rcClient.Width();
    m_rcPlot = CRect(kPlotLeftMargin, kPlotTopMargin, m_rcClient.right - kPlotRightMargin,
                     m_rcClient.bottom - kPlotBottomMargin);
    m_nPlotHeight = m_rcPlot.Height();
    m_nPlotWidth = m_rcPlot.Width();
    UpdatePixelsPerUnit();
}

// No scale yet (an empty span) plots every value on the lower edge.
void COScopeCtrl::UpdatePixelsPerUnit()
{
    m_dPixelsPerUnit = m_dSpan != 0.0 ? m_nPlotHeight / m_dSpan : 0.0;
}

// Without a window there is no size to draw at yet: Create draws the first frame, so a
// setter called before it only stores its setting.
void COScopeCtrl::RebuildFrame()
{
    if (m_hWnd == nullptr)
        return;
    CClientDC client(this);
    EnsureLayer(client, m_dcFrame, m_bmpFrame, m_pOldFrameBitmap);
    ClearLayer(m_dcFrame);

    const int captionChars = std::max(ExtraDigits(m_dLower), ExtraDigits(m_dUpper)) + m_nDecimals + kCaptionExtraChars;
    m_rcPlot.left = m_rcClient.left + kCaptionCharWidth * captionChars;
    m_nPlotWidth = m_rcPlot.Width();

    DrawFrameLines();
    DrawCaptions();

    EnsureLayer(client, m_dcTrace, m_bmpTrace, m_pOldTraceBitmap);
    ClearLayer(m_dcTrace);
    InvalidateRect(m_rcClient, TRUE);
}

void COScopeCtrl::EnsureLayer(CDC& client, CDC& layer, CBitmap& bitmap, CBitmap*& oldBitmap)
{
    if (layer.GetSafeHdc() != nullptr)
        return;
    layer.CreateCompatibleDC(&client);
    bitmap.CreateCompatibleBitmap(&client, m_nClientWidth, m_nClientHeight);
    oldBitmap = layer.SelectObject(&bitmap);
}

void COScopeCtrl::ClearLayer(CDC& layer)
{
    layer.SetBkColor(m_crBack);
    layer.FillRect(m_rcClient, &m_brushBack);
}

void COScopeCtrl::DrawFrameLines()
{
    CPen border(PS_SOLID, 1, m_crFrame);
    CPen* oldPen = m_dcFrame.SelectObject(&border);
    m_dcFrame.MoveTo(m_rcPlot.left, m_rcPlot.top);
    m_dcFrame.LineTo(m_rcPlot.right - 1, m_rcPlot.top);
    m_dcFrame.LineTo(m_rcPlot.right - 1, m_rcPlot.bottom);
    m_dcFrame.LineTo(m_rcPlot.left, m_rcPlot.bottom);
    m_dcFrame.LineTo(m_rcPlot.left, m_rcPlot.top);
    m_dcFrame.SelectObject(oldPen);

    const int mid = (m_rcPlot.top + m_rcPlot.bottom) / 2;
    const int quarter = m_nPlotHeight / 4;
    for (int row : {mid - quarter, mid, mid + quarter})
        for (int x = m_rcPlot.left; x < m_rcPlot.right; x += kGridDotSpacing)
            m_dcFrame.SetPixel(x, row, m_crFrame);
}

void COScopeCtrl::DrawCaptions()
{
    CFont axisFont;
    CFont turnedFont;
    CreateCaptionFont(axisFont, 0);
    CreateCaptionFont(turnedFont, kTurnedUpright);
    CFont* oldFont = m_dcFrame.SelectObject(&axisFont);
    m_dcFrame.SetTextColor(m_crFrame);

    m_dcFrame.SetTextAlign(TA_RIGHT | TA_TOP);
    m_dcFrame.TextOut(m_rcPlot.left - kCaptionGap, m_rcPlot.top, UpperCaption(m_dUpper, m_nDecimals));
    m_dcFrame.SetTextAlign(TA_RIGHT | TA_BASELINE);
    m_dcFrame.TextOut(m_rcPlot.left - kCaptionGap, m_rcPlot.bottom, LowerCaption(m_dLower, m_nDecimals));
    m_dcFrame.SetTextAlign(TA_CENTER | TA_TOP);
    m_dcFrame.TextOut((m_rcPlot.left + m_rcPlot.right) / 2, m_rcPlot.bottom + kCaptionGap, m_strXLabel);

    m_dcFrame.SelectObject(oldFont);
    oldFont = m_dcFrame.SelectObject(&turnedFont);
    m_dcFrame.SetTextAlign(TA_CENTER | TA_BASELINE);
    m_dcFrame.TextOut((m_rcClient.left + m_rcPlot.left) / 2, (m_rcPlot.top + m_rcPlot.bottom) / 2, m_strYLabel);
    m_dcFrame.SelectObject(oldFont);
}

int COScopeCtrl::RowOf(double value) const
{
    const double offset = (value - m_dLower) * m_dPixelsPerUnit;
    // A value no number can place (not a number) sits on the lower limit.
    const double bounded = std::isnan(offset) ? 0.0 : std::clamp(offset, -kFarthestRow, kFarthestRow);
    return m_rcPlot.bottom - static_cast<int>(std::trunc(bounded));
}

void COScopeCtrl::ScrollAndDraw()
{
    if (m_dcTrace.GetSafeHdc() == nullptr)
        return;
    // The columns that enter at the right come from the margin, which always holds background.
    m_dcTrace.BitBlt(m_rcPlot.left, m_rcPlot.top + 1, m_nPlotWidth, m_nPlotHeight, &m_dcTrace,
                     m_rcPlot.left + m_nScrollStep, m_rcPlot.top + 1, SRCCOPY);

    const int prevX = m_rcPlot.right - m_nTraceOffset;
    const int curX = m_rcPlot.right - m_nHalfStep;
    const int prevY = RowOf(m_dLastValue);
    const int curY = RowOf(m_dNewValue);

    CPen* oldPen = m_dcTrace.SelectObject(&m_penFill);
    if (curX - prevX > 0) {
        for (int x = prevX + 1; x <= curX; ++x) {
            m_dcTrace.MoveTo(x, prevY + (curY - prevY) * (x - prevX) / (curX - prevX));
            m_dcTrace.LineTo(x, m_rcPlot.bottom);
        }
    }
    m_dcTrace.SelectObject(&m_penTrace);
    m_dcTrace.MoveTo(prevX, prevY);
    m_dcTrace.LineTo(curX, curY);
    m_dcTrace.LineTo(curX + 1, curY);
    m_dcTrace.SelectObject(oldPen);

    // A value beyond a limit leaves the plot: the band outside it over the newest columns goes
    // back to background, so only the border shows there.
    if (prevY <= m_rcPlot.top || curY <= m_rcPlot.top) {
        const CRect above(prevX, m_rcClient.top, curX + 1, m_rcPlot.top + 1);
        m_dcTrace.FillRect(above, &m_brushBack);
    }
    if (prevY >= m_rcPlot.bottom || curY >= m_rcPlot.bottom) {
        const CRect below(prevX, m_rcPlot.bottom, curX + 1, m_rcClient.bottom + 1);
        m_dcTrace.FillRect(below, &m_brushBack);
    }
    m_dLastValue = m_dNewValue;
}

void COScopeCtrl::OnPaint()
{
    CPaintDC dc(this);
    CDC memDC;
    CBitmap memBitmap;
    memDC.CreateCompatibleDC(&dc);
    memBitmap.CreateCompatibleBitmap(&dc, m_nClientWidth, m_nClientHeight);
    CBitmap* oldBitmap = memDC.SelectObject(&memBitmap);
    if (memDC.GetSafeHdc() != nullptr && m_dcFrame.GetSafeHdc() != nullptr) {
        memDC.BitBlt(0, 0, m_nClientWidth, m_nClientHeight, &m_dcFrame, 0, 0, SRCCOPY);
        memDC.BitBlt(0, 0, m_nClientWidth, m_nClientHeight, &m_dcTrace, 0, 0, SRCPAINT);
        dc.BitBlt(0, 0, m_nClientWidth, m_nClientHeight, &memDC, 0, 0, SRCCOPY);
    }
    memDC.SelectObject(oldBitmap);
}
