#include <gtest/gtest.h>

#include "framework/gdi/CDC.h"
#include "framework/gdi/Raster.h"

namespace {

gdi::Raster Numbered(int width, int height)
{
    gdi::Raster raster(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            raster.Set(x, y, static_cast<gdi::Pixel>(0x010000 * (y + 1) + x + 1));
    return raster;
}

struct Shift {
    int dx;
    int dy;
};

class InPlaceCopyTest : public ::testing::TestWithParam<Shift> {};

// The destination must show the source as it was before the copy began.
TEST_P(InPlaceCopyTest, OverlappingCopyMatchesACopyThroughABuffer)
{
    const auto [dx, dy] = GetParam();
    constexpr int kWidth = 30, kHeight = 10, kBlockWidth = 20, kBlockHeight = 6;
    gdi::Raster raster = Numbered(kWidth, kHeight);
    const gdi::Raster before = raster;
    CDC dc;
    dc.AttachRaster(raster);
    const int sx = 5, sy = 2;
    ASSERT_TRUE(dc.BitBlt(sx + dx, sy + dy, kBlockWidth, kBlockHeight, &dc, sx, sy, SRCCOPY));
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool moved = x >= sx + dx && x < sx + dx + kBlockWidth && y >= sy + dy && y < sy + dy + kBlockHeight;
            const gdi::Pixel expected = moved ? before.At(x - dx, y - dy) : before.At(x, y);
            ASSERT_EQ(raster.At(x, y), expected) << x << "," << y;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Directions, InPlaceCopyTest,
                         ::testing::Values(Shift{-4, 0}, Shift{4, 0}, Shift{0, 2}, Shift{0, -2}, Shift{3, 1},
                                           Shift{-1, -1}));

TEST(BlockTransferTest, SourcePaintIsBitwiseOr)
{
    CDC a, b;
    CBitmap bitmapA, bitmapB;
    ASSERT_TRUE(a.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(b.CreateCompatibleDC(nullptr));
    bitmapA.CreateCompatibleBitmap(&a, 4, 1);
    bitmapB.CreateCompatibleBitmap(&b, 4, 1);
    a.SelectObject(&bitmapA);
    b.SelectObject(&bitmapB);
    const COLORREF destination[] = {RGB(0x0F, 0x00, 0x80), RGB(0, 0, 0), RGB(0xFF, 0xFF, 0xFF), RGB(0x12, 0x34, 0x56)};
    const COLORREF source[] = {RGB(0xF0, 0x0F, 0x01), RGB(0x64, 0x64, 0xFF), RGB(0, 0, 0), RGB(0x21, 0x43, 0x65)};
    for (int x = 0; x < 4; ++x) {
        a.SetPixel(x, 0, destination[x]);
        b.SetPixel(x, 0, source[x]);
    }
    ASSERT_TRUE(a.BitBlt(0, 0, 4, 1, &b, 0, 0, SRCPAINT));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(a.GetPixel(x, 0), destination[x] | source[x]) << x;
    EXPECT_EQ(b.GetPixel(1, 0), source[1]);
}

TEST(BlockTransferTest, OrInPlaceReadsTheSourceBeforeWriting)
{
    gdi::Raster raster(6, 1);
    raster.Set(0, 0, 0x000001);
    raster.Set(1, 0, 0x000002);
    raster.Set(2, 0, 0x000004);
    CDC dc;
    dc.AttachRaster(raster);
    dc.BitBlt(1, 0, 3, 1, &dc, 0, 0, SRCPAINT);
    EXPECT_EQ(raster.At(1, 0), 0x000003u);
    EXPECT_EQ(raster.At(2, 0), 0x000006u);
    EXPECT_EQ(raster.At(3, 0), 0x000004u);
}

TEST(BlockTransferTest, ClipsToSourceAndDestination)
{
    gdi::Raster source = Numbered(4, 4);
    gdi::Raster target(4, 4);
    CDC from, to;
    from.AttachRaster(source);
    to.AttachRaster(target);
    ASSERT_TRUE(to.BitBlt(-1, 2, 10, 10, &from, 0, 0, SRCCOPY));
    EXPECT_EQ(target.At(0, 2), source.At(1, 0));
    EXPECT_EQ(target.At(2, 3), source.At(3, 1));
    // Columns past the source's right edge and rows above the block stay as they were.
    EXPECT_EQ(target.At(3, 3), 0u);
    EXPECT_EQ(target.At(0, 1), 0u);
    EXPECT_FALSE(to.BitBlt(0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
}

TEST(BlockTransferTest, PatternFillsUseTheBrush)
{
    gdi::Raster raster(3, 1, 0x0000FF);
    CDC dc;
    dc.AttachRaster(raster);
    CBrush brush(RGB(255, 0, 0));
    dc.SelectObject(&brush);
    dc.PatBlt(0, 0, 1, 1, PATCOPY);
    dc.PatBlt(1, 0, 1, 1, DSTINVERT);
    dc.PatBlt(2, 0, 1, 1, BLACKNESS);
    EXPECT_EQ(raster.At(0, 0), 0xFF0000u);
    EXPECT_EQ(raster.At(1, 0), 0xFFFF00u);
    EXPECT_EQ(raster.At(2, 0), 0u);
}

} // namespace
