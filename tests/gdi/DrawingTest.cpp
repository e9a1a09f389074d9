#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/gdi/CDC.h"
#include "framework/gdi/Raster.h"

namespace {

constexpr COLORREF kInk = RGB(255, 0, 0);

class DrawingTest : public ::testing::Test {
protected:
    DrawingTest() : raster(12, 10) { dc.AttachRaster(raster); }

    int CountInk() const
    {
        int count = 0;
        for (gdi::Pixel p : raster.Pixels())
            count += p != 0;
        return count;
    }

    gdi::Raster raster;
    CDC dc;
};

struct LineCase {
    CPoint from;
    CPoint to;
};

class LineTest : public DrawingTest, public ::testing::WithParamInterface<LineCase> {};

TEST_P(LineTest, DrawsFromTheStartAndLeavesOutTheLastPixel)
{
    const auto [from, to] = GetParam();
    CPen pen(PS_SOLID, 0, kInk);
    dc.SelectObject(&pen);
    dc.MoveTo(from);
    dc.LineTo(to);
    EXPECT_EQ(dc.GetPixel(from), kInk);
    EXPECT_EQ(dc.GetPixel(to), RGB(0, 0, 0));
    EXPECT_EQ(CountInk(), std::max(std::abs(to.x - from.x), std::abs(to.y - from.y)));
    EXPECT_EQ(dc.GetCurrentPosition(), to);
}

INSTANTIATE_TEST_SUITE_P(Directions, LineTest,
                         ::testing::Values(LineCase{{1, 1}, {6, 1}}, LineCase{{6, 1}, {1, 1}}, LineCase{{2, 0}, {2, 7}},
                                           LineCase{{0, 0}, {5, 5}}, LineCase{{9, 8}, {3, 2}}, LineCase{{1, 2}, {10, 5}},
                                           LineCase{{4, 9}, {6, 1}}));

TEST_F(DrawingTest, ZeroLengthLineDrawsNothing)
{
    CPen pen(PS_SOLID, 1, kInk);
    dc.SelectObject(&pen);
    dc.MoveTo(3, 3);
    dc.LineTo(3, 3);
    EXPECT_EQ(CountInk(), 0);
}

TEST_F(DrawingTest, WidePenCoversItsWidthAndNullPenNothing)
{
    CPen wide(PS_SOLID, 3, kInk);
    dc.SelectObject(&wide);
    dc.MoveTo(2, 5);
    dc.LineTo(8, 5);
    for (int y = 3; y <= 7; ++y)
        EXPECT_EQ(dc.GetPixel(5, y), (y >= 4 && y <= 6) ? kInk : RGB(0, 0, 0)) << y;

    raster.Fill(0);
    CPen none(PS_NULL, 1, kInk);
    dc.SelectObject(&none);
    dc.MoveTo(0, 0);
    dc.LineTo(9, 9);
    EXPECT_EQ(CountInk(), 0);
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(9, 9));
}

TEST_F(DrawingTest, ColoursAreStoredAsRedGreenBlueWords)
{
    EXPECT_EQ(dc.SetPixel(2, 3, RGB(0x12, 0x34, 0x56)), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(raster.At(2, 3), 0x123456u);
    EXPECT_EQ(dc.GetPixel(2, 3), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(dc.SetPixel(12, 0, kInk), CLR_INVALID);
    EXPECT_EQ(dc.GetPixel(-1, 0), CLR_INVALID);
}

TEST_F(DrawingTest, RectangleOutlinesItsLastRowAndColumnAndFillsInside)
{
    CPen pen(PS_SOLID, 0, kInk);
    CBrush brush(RGB(0, 0, 255));
    dc.SelectObject(&pen);
    dc.SelectObject(&brush);
    dc.Rectangle(1, 1, 6, 5);
    for (int y = 0; y <= 5; ++y) {
        for (int x = 0; x <= 6; ++x) {
            const bool inside = x >= 1 && x <= 5 && y >= 1 && y <= 4;
            const bool edge = inside && (x == 1 || x == 5 || y == 1 || y == 4);
            const COLORREF expected = !inside ? RGB(0, 0, 0) : edge ? kInk : RGB(0, 0, 255);
            EXPECT_EQ(dc.GetPixel(x, y), expected) << x << "," << y;
        }
    }
}

TEST_F(DrawingTest, HollowBrushFillsNothing)
{
    CBrush hollow;
    ASSERT_TRUE(hollow.CreateStockObject(HOLLOW_BRUSH));
    const CRect all(0, 0, 12, 10);
    dc.FillRect(&all, &hollow);
    dc.SelectObject(&hollow);
    CPen pen(PS_SOLID, 0, kInk);
    dc.SelectObject(&pen);
    dc.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(CountInk(), 16);
    EXPECT_EQ(dc.GetPixel(2, 2), RGB(0, 0, 0));
}

TEST_F(DrawingTest, FillsClipToTheRasterAndSolidFillSetsTheBackgroundColour)
{
    CBrush brush(kInk);
    const CRect rect(-5, 8, 3, 20);
    dc.FillRect(&rect, &brush);
    EXPECT_EQ(CountInk(), 3 * 2);
    dc.FillSolidRect(10, 0, 5, 1, RGB(1, 2, 3));
    EXPECT_EQ(dc.GetPixel(11, 0), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
}

} // namespace
