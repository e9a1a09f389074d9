// The strip chart's pictures, each compared pixel by pixel with one worked out by hand from
// the chart's geometry: a 300 x 100 client area gives the plot rows 10..80 and columns
// plot left..279, with the newest point 2 and the one before 6 pixels left of column 280.

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "controls/OScopeCtrl.h"
#include "framework/FrameworkFixture.h"
#include "framework/Window.h"
#include "framework/WindowClass.h"

namespace {

constexpr int kWidth = 300, kHeight = 100;
constexpr int kTop = 10, kRight = 280, kBottom = 80, kPlotLeft = 15;
constexpr int kPrevX = kRight - 6, kCurX = kRight - 2;
constexpr COLORREF kBack = RGB(0, 0, 64), kFrame = RGB(192, 192, 255), kTrace = RGB(255, 255, 255), kFill = RGB(100, 100, 255);

gdi::Raster Blank()
{
    return gdi::Raster(kWidth, kHeight, gdi::ToPixel(kBack));
}

// The pixels of a one-pixel line from (x0, y0) towards (x1, y1), its end left out.
std::vector<std::pair<int, int>> LinePixels(int x0, int y0, int x1, int y1)
{
    std::vector<std::pair<int, int>> pixels;
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    while (x0 != x1 || y0 != y1) {
        pixels.emplace_back(x0, y0);
        if (2 * error >= dy) {
            error += dy;
            x0 += sx;
        }
        if (2 * error <= dx) {
            error += dx;
            y0 += sy;
        }
    }
    return pixels;
}

void Paint(gdi::Raster& r, int left, int top, int right, int bottom, COLORREF c)
{
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            r.Set(x, y, gdi::ToPixel(c));
}

// A fill column from its top down to the plot bottom (excluded); upwards when it starts below.
void FillColumn(gdi::Raster& r, int x, int top)
{
    if (top <= kBottom)
        Paint(r, x, top, x + 1, kBottom, kFill);
    else
        Paint(r, x, kBottom + 1, x + 1, top + 1, kFill);
}

// The newest segment: fill columns at the given tops, the line over them.
void Segment(gdi::Raster& r, int prevY, int curY, std::vector<int> columnTops)
{
    for (int i = 0; i < 4; ++i)
        FillColumn(r, kPrevX + 1 + i, columnTops[static_cast<std::size_t>(i)]);
    for (auto [x, y] : LinePixels(kPrevX, prevY, kCurX, curY))
        r.Set(x, y, gdi::ToPixel(kTrace));
    r.Set(kCurX, curY, gdi::ToPixel(kTrace));
}

void ScrollLeft(gdi::Raster& r, int plotLeft, int plotWidth)
{
    const gdi::Raster before = r;
    for (int y = kTop + 1; y <= kBottom; ++y)
        for (int x = plotLeft; x < plotLeft + plotWidth; ++x)
            r.Set(x, y, before.At(x + 4, y));
}

gdi::Raster Layer(const CDC& dc)
{
    return *dc.GetRaster();
}

class OScopeCtrlTest : public FrameworkFixture {
protected:
    OScopeCtrlTest()
    {
        host.CreateEx(0, AfxRegisterWndClass(0), "host", WS_VISIBLE, 0, 0, 400, 200, nullptr, nullptr);
        Build(chart);
    }
    // As the pages set a chart up. A scale of 0..70 gives one unit per row of the 70-row plot
    // and puts the plot's left edge at column 15.
    void Build(COScopeCtrl& c)
    {
        c.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &host, 0);
        c.SetScale(0, 70, 0);
        c.SetYLabel("");
        c.SetXLabel("Tx");
        c.SetBackColor(kBack);
        c.SetFrameColor(kFrame);
        c.SetTraceColor(kTrace);
        c.SetFillColor(kFill);
    }
    gdi::Raster Shown()
    {
        chart.UpdateWindow();
        return fw::FromHandle(chart.m_hWnd)->raster;
    }

    CWnd host;
    COScopeCtrl chart;
};

TEST_F(OScopeCtrlTest, FrameShowsBorderGridAndCaptionsAtTheirPlaces)
{
    const struct {
        double lower, upper;
        int decimals;
        const char *top, *bottom;
        int plotLeft;
    } rows[] = {
        {0, 512000, 1, "512K", "0.0", 30},
        {1, 60000000, 1, "High", "Low", 36},
        {0, 5000000, 1, "5M", "0.0", 33},
        {0, 3000000, 1, "3000000.0", "0.0", 33},
        {-0.5, 2.5, 3, "2.500", "-0.500", 21},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.top);
        chart.SetScale(row.lower, row.upper, row.decimals);
        EXPECT_EQ(chart.m_rcPlot, CRect(row.plotLeft, kTop, kRight, kBottom));
        EXPECT_EQ(chart.m_nPlotWidth, kRight - row.plotLeft);

        gdi::Raster expected = Blank();
        const gdi::Pixel frame = gdi::ToPixel(kFrame);
        for (int x = row.plotLeft; x < kRight; ++x) {
            expected.Set(x, kTop, frame);
            expected.Set(x, kBottom, frame);
        }
        for (int y = kTop; y <= kBottom; ++y) {
            expected.Set(row.plotLeft, y, frame);
            expected.Set(kRight - 1, y, frame);
        }
        // Rows mid - quarter, mid and mid + quarter of the 70-pixel plot, a dot every 4 pixels.
        for (int y : {28, 45, 62})
            for (int x = row.plotLeft; x < kRight; x += 4)
                expected.Set(x, y, frame);

        // The captions, drawn as the chart's fonts and alignments draw them.
        CDC dc;
        dc.AttachRaster(expected);
        dc.SetTextColor(kFrame);
        dc.SetBkColor(kBack);
        CFont font, turned;
        font.CreateFont(14, 0, 0, 0, FW_LIGHT, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, DEFAULT_PITCH | FF_SWISS, "Arial");
        turned.CreateFont(14, 0, 900, 0, FW_LIGHT, 0, 0, 0, ANSI_CHARSET, 0, 0, 0, DEFAULT_PITCH | FF_SWISS, "Arial");
        dc.SelectObject(&font);
        dc.SetTextAlign(TA_RIGHT | TA_TOP);
        dc.TextOut(row.plotLeft - 4, kTop, row.top);
        dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
        dc.TextOut(row.plotLeft - 4, kBottom, row.bottom);
        dc.SetTextAlign(TA_CENTER | TA_TOP);
        dc.TextOut((row.plotLeft + kRight) / 2, kBottom + 4, "Tx");
        dc.SelectObject(&turned);
        chart.SetYLabel("Level");
        dc.SetTextAlign(TA_CENTER | TA_BASELINE);
        dc.TextOut(row.plotLeft / 2, 45, "Level");
        dc.SelectStockObject(SYSTEM_FONT);

        EXPECT_TRUE(Layer(chart.m_dcFrame) == expected);
        chart.SetYLabel("");
    }
}

TEST_F(OScopeCtrlTest, OneSampleFillsTheNewestColumnsUnderItsLine)
{
    chart.AddSample(35);  // row 45
    gdi::Raster expected = Blank();
    Segment(expected, kBottom, 45, {72, 63, 54, 45});
    // The previous value sat on the bottom edge: the band below the plot goes back to background.
    Paint(expected, kPrevX, kBottom, kCurX + 1, kHeight, kBack);
    EXPECT_TRUE(Layer(chart.m_dcTrace) == expected);
}

TEST_F(OScopeCtrlTest, SecondSampleScrollsTheFirstFourPixelsLeft)
{
    chart.AddSample(35);
    gdi::Raster expected = Layer(chart.m_dcTrace);
    chart.AddSample(35);
    ScrollLeft(expected, kPlotLeft, kRight - kPlotLeft);
    Segment(expected, 45, 45, {45, 45, 45, 45});
    EXPECT_TRUE(Layer(chart.m_dcTrace) == expected);
    // The first segment's top now ends at column 274.
    EXPECT_EQ(chart.m_dcTrace.GetPixel(kCurX - 4, 45), kTrace);
}

TEST_F(OScopeCtrlTest, ValuesBeyondTheLimitsAreCutAtThePlotEdges)
{
    chart.AddSample(105);  // row -25
    gdi::Raster expected = Blank();
    Segment(expected, kBottom, -25, {54, 28, 2, -25});
    Paint(expected, kPrevX, 0, kCurX + 1, kTop + 1, kBack);
    Paint(expected, kPrevX, kBottom, kCurX + 1, kHeight, kBack);
    EXPECT_TRUE(Layer(chart.m_dcTrace) == expected);

    // After composition the newest column is filled over the whole plot and only the border
    // shows above it.
    const gdi::Raster shown = Shown();
    EXPECT_EQ(gdi::ToColorRef(shown.At(kCurX, kTop)), kFrame);
    EXPECT_EQ(gdi::ToColorRef(shown.At(kCurX, kTop - 1)), kBack);
    EXPECT_EQ(gdi::ToColorRef(shown.At(kCurX, kTop + 1)), kFill);

}

TEST_F(OScopeCtrlTest, BelowTheLowerLimitTheBandUnderThePlotIsPaintedBack)
{
    chart.AddSample(35);
    gdi::Raster expected = Layer(chart.m_dcTrace);
    chart.AddSample(-35);  // row 115
    ScrollLeft(expected, kPlotLeft, kRight - kPlotLeft);
    Segment(expected, 45, 115, {62, 80, 97, 115});
    Paint(expected, kPrevX, kBottom, kCurX + 1, kHeight, kBack);
    EXPECT_TRUE(Layer(chart.m_dcTrace) == expected);
}

TEST_F(OScopeCtrlTest, EverySetterClearsThePlottedHistory)
{
    const std::vector<void (*)(COScopeCtrl&)> setters = {
        [](COScopeCtrl& c) { c.SetScale(0, 70, 0); },
        [](COScopeCtrl& c) { c.SetXLabel("Tx"); },
        [](COScopeCtrl& c) { c.SetYLabel(""); },
        [](COScopeCtrl& c) { c.SetBackColor(kBack); },
        [](COScopeCtrl& c) { c.SetFrameColor(kFrame); },
        [](COScopeCtrl& c) { c.SetTraceColor(kTrace); },
        [](COScopeCtrl& c) { c.SetFillColor(kFill); },
    };
    for (std::size_t i = 0; i < setters.size(); ++i) {
        chart.AddSample(20);
        chart.AddSample(50);
        ASSERT_FALSE(Layer(chart.m_dcTrace) == Blank());
        setters[i](chart);
        EXPECT_TRUE(Layer(chart.m_dcTrace) == Blank()) << "setter " << i;
    }
}

TEST_F(OScopeCtrlTest, RecreatedWindowShowsAnEmptyChartOfTheSameSize)
{
    chart.AddSample(70);
    const gdi::Raster frame = Layer(chart.m_dcFrame);
    chart.DestroyWindow();
    ASSERT_EQ(chart.m_hWnd, nullptr);
    chart.AddSample(20);

    COScopeCtrl fresh;
    Build(fresh);
    Build(chart);
    EXPECT_EQ(chart.m_bmpTrace.GetSize(), CSize(kWidth, kHeight));
    EXPECT_TRUE(Layer(chart.m_dcTrace) == Blank());
    EXPECT_TRUE(Layer(chart.m_dcFrame) == frame);
    fresh.UpdateWindow();
    EXPECT_TRUE(Shown() == fw::FromHandle(fresh.m_hWnd)->raster);
}

TEST_F(OScopeCtrlTest, PaintingOrsTheTraceOverTheFrameSoGridDotsStayVisible)
{
    chart.AddSample(60);
    chart.AddSample(60);
    const gdi::Raster frame = Layer(chart.m_dcFrame), trace = Layer(chart.m_dcTrace), shown = Shown();
    ASSERT_EQ(shown.Width(), kWidth);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(shown.At(x, y), frame.At(x, y) | trace.At(x, y)) << x << "," << y;
    // A grid dot under the fill: (192,192,255) | (100,100,255).
    EXPECT_EQ(gdi::ToColorRef(shown.At(kPrevX + 1, 62)), RGB(228, 228, 255));
}

TEST_F(OScopeCtrlTest, SettersBeforeCreateOnlyStoreTheirSetting)
{
    COScopeCtrl early;
    early.SetScale(0, 512000, 1);
    early.SetXLabel("Rx");
    EXPECT_EQ(early.m_dcFrame.GetSafeHdc(), nullptr);
    EXPECT_EQ(early.AddSample(5), 0.0);
    ASSERT_TRUE(early.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, kWidth, kHeight), &host, 0));
    EXPECT_EQ(early.m_bmpFrame.GetSize(), CSize(kWidth, kHeight));
    EXPECT_EQ(early.m_rcPlot.left, 30);
    EXPECT_EQ(early.AddSample(7), 5.0);
}

}  // namespace
