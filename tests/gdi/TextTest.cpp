#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "framework/gdi/CDC.h"
#include "framework/gdi/FontLibrary.h"
#include "framework/gdi/Raster.h"

namespace {

constexpr COLORREF kPaper = RGB(0, 0, 0);
constexpr COLORREF kCell = RGB(0, 0, 200);
constexpr COLORREF kInk = RGB(0, 255, 255);
constexpr int kX = 100;
constexpr int kY = 60;

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
    void Add(int x, int y)
    {
        left = std::min(left, x);
        top = std::min(top, y);
        right = std::max(right, x + 1);
        bottom = std::max(bottom, y + 1);
    }
    bool operator==(const Box&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Box& b)
{
    return out << "[" << b.left << "," << b.top << " - " << b.right << "," << b.bottom << ")";
}

class TextTest : public ::testing::Test {
protected:
    TextTest() : raster(200, 120) { dc.AttachRaster(raster); }

    void UseFont(int escapement = 0, int weight = FW_LIGHT, const char* face = "Arial", BYTE underline = FALSE)
    {
        font = std::make_unique<CFont>();
        font->CreateFont(14, 0, escapement, escapement, weight, FALSE, underline, FALSE, ANSI_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
        dc.SelectObject(font.get());
    }

    bool HaveFonts() const { return dc.GetTextExtent("Hg").cx > 0; }

    // Bounds of the pixels that are not paper (with ink = false: of the opaque cell colour).
    Box Bounds(bool ink) const
    {
        Box box;
        for (int y = 0; y < raster.Height(); ++y)
            for (int x = 0; x < raster.Width(); ++x) {
                const gdi::Pixel p = raster.At(x, y);
                if (ink ? p != gdi::ToPixel(kPaper) && p != gdi::ToPixel(kCell) : p != gdi::ToPixel(kPaper))
                    box.Add(x, y);
            }
        return box;
    }

    void DrawOpaque(UINT align, const char* text)
    {
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(kCell);
        dc.SetTextColor(kInk);
        dc.SetTextAlign(align);
        dc.TextOut(kX, kY, text);
    }

    gdi::Raster raster;
    CDC dc;
    std::unique_ptr<CFont> font;
};

struct AlignCase {
    UINT align;
    const char* name;
};

class TextAlignTest : public TextTest, public ::testing::WithParamInterface<AlignCase> {};

// The opaque cell shows exactly where the text box lies relative to the reference point.
TEST_P(TextAlignTest, CellLiesWhereTheAlignmentPutsIt)
{
    UseFont();
    if (!HaveFonts())
        GTEST_SKIP() << "no fonts installed";
    const char* text = "512K";
    const CSize extent = dc.GetTextExtent(text);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(extent.cy, 14);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, 14);
    DrawOpaque(GetParam().align, text);

    const UINT align = GetParam().align;
    Box expected;
    expected.left = (align & TA_CENTER) == TA_CENTER ? kX - extent.cx / 2 : (align & TA_RIGHT) ? kX - extent.cx : kX;
    expected.right = expected.left + extent.cx;
    expected.top = (align & TA_BASELINE) == TA_BASELINE ? kY - tm.tmAscent : (align & TA_BOTTOM) ? kY - extent.cy : kY;
    expected.bottom = expected.top + extent.cy;
    EXPECT_EQ(Bounds(false), expected);
    if ((align & TA_CENTER) == TA_RIGHT) {
        EXPECT_EQ(dc.GetPixel(kX - 1, expected.top), kCell);
        EXPECT_EQ(dc.GetPixel(kX, expected.top), kPaper);
    }
}

INSTANTIATE_TEST_SUITE_P(Alignments, TextAlignTest,
                         ::testing::Values(AlignCase{TA_RIGHT | TA_TOP, "RightTop"},
                                           AlignCase{TA_RIGHT | TA_BASELINE, "RightBaseline"},
                                           AlignCase{TA_CENTER | TA_TOP, "CentreTop"},
                                           AlignCase{TA_CENTER | TA_BASELINE, "CentreBaseline"},
                                           AlignCase{TA_LEFT | TA_BOTTOM, "LeftBottom"}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(TextTest, TransparentTextLeavesInkOnlyAndEndsAtTheReference)
{
    UseFont();
    if (!HaveFonts())
        GTEST_SKIP() << "no fonts installed";
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kInk);
    dc.SetTextAlign(TA_RIGHT | TA_BASELINE);
    dc.TextOut(kX, kY, "High");
    // The descender of the g reaches below the baseline; the caps stop on it.
    const Box ink = Bounds(true);
    EXPECT_LE(ink.right, kX);
    EXPECT_GE(ink.right, kX - 2);
    EXPECT_GT(ink.bottom, kY);
    Box caps;
    for (int y = 0; y < raster.Height(); ++y)
        for (int x = ink.left; x < ink.left + 3; ++x)
            if (raster.At(x, y) != 0)
                caps.Add(x, y);
    EXPECT_EQ(caps.bottom, kY);
    EXPECT_LT(ink.left, kX - 10);
    EXPECT_EQ(Bounds(false), ink);
}

// Escapement 900 turns the upright picture a quarter counter-clockwise about the reference.
TEST_F(TextTest, TurnedTextIsTheUprightTextRotated)
{
    const char* text = "Y units";
    UseFont(0);
    if (!HaveFonts())
        GTEST_SKIP() << "no fonts installed";
    const CSize extent = dc.GetTextExtent(text);
    DrawOpaque(TA_CENTER | TA_BASELINE, text);
    const gdi::Raster upright = raster;
    raster.Fill(0);
    UseFont(900);
    EXPECT_EQ(dc.GetTextExtent(text), extent);
    DrawOpaque(TA_CENTER | TA_BASELINE, text);
    int compared = 0;
    for (int y = 0; y < upright.Height(); ++y)
        for (int x = 0; x < upright.Width(); ++x)
            if (upright.At(x, y) != 0) {
                // Upright offset (u, v) from the reference lands at (v, -u - 1).
                const int u = x - kX, v = y - kY;
                ASSERT_EQ(raster.At(kX + v, kY - u - 1), upright.At(x, y)) << x << "," << y;
                ++compared;
            }
    EXPECT_EQ(compared, extent.cx * extent.cy);
}

TEST_F(TextTest, WeightAndUnderlineChangeTheGlyphs)
{
    UseFont(0, FW_NORMAL);
    if (!HaveFonts())
        GTEST_SKIP() << "no fonts installed";
    const int regular = dc.GetTextExtent("Current Network").cx;
    UseFont(0, FW_BOLD);
    EXPECT_GT(dc.GetTextExtent("Current Network").cx, regular);

    UseFont(0, FW_NORMAL, "Arial", TRUE);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kInk);
    dc.SetTextAlign(TA_LEFT | TA_BASELINE);
    dc.TextOut(10, kY, "ace");
    const int width = dc.GetTextExtent("ace").cx;
    int underlined = 0;
    for (int x = 10; x < 10 + width; ++x)
        for (int y = kY; y < kY + 4; ++y)
            if (raster.At(x, y) != 0) {
                ++underlined;
                break;
            }
    EXPECT_EQ(underlined, width);
}

TEST_F(TextTest, KoreanFaceNameInItsCodePageFindsAKoreanFont)
{
    // The Korean face name as its code page stores it.
    const char gulim[] = {static_cast<char>(0xB1), static_cast<char>(0xBC), static_cast<char>(0xB8),
                          static_cast<char>(0xB2), 0};
    LOGFONT lf;
    lf.lfHeight = 14;
    lf.lfWeight = FW_BOLD;
    lf.lfCharSet = DEFAULT_CHARSET;
    std::strcpy(lf.lfFaceName, gulim);
    const auto request = gdi::FontLibrary::RequestFor(lf);
    EXPECT_EQ(request.family, "\uAD74\uB9BC");
    EXPECT_EQ(request.language, "ko");

    CFont korean;
    korean.CreateFontIndirect(&lf);
    dc.SelectObject(&korean);
    if (!HaveFonts())
        GTEST_SKIP() << "no fonts installed";
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kInk);
    dc.TextOut(10, 10, "\uC5F0\uACB0 \uC0C1\uD0DC");
    EXPECT_GT(dc.GetTextExtent("\uC5F0\uACB0").cx, 14);
    EXPECT_NE(Bounds(true), Box{});
}

TEST(FontRequestTest, PlatformFaceNamesMapToFamiliesFontconfigKnows)
{
    struct Row {
        const char* face;
        BYTE charSet;
        BYTE pitchAndFamily;
        const char* family;
        const char* language;
    };
    const Row rows[] = {
        {"MS Sans Serif", DEFAULT_CHARSET, 0, "Arial", ""},
        {"Arial", ANSI_CHARSET, FF_SWISS, "Arial", ""},
        {"", DEFAULT_CHARSET, FF_SWISS, "sans-serif", ""},
        {"", DEFAULT_CHARSET, FF_ROMAN, "serif", ""},
        {"", SHIFTJIS_CHARSET, FF_SWISS, "sans-serif", "ja"},
        {"\xE5\xAE\x8B\xE4\xBD\x93", DEFAULT_CHARSET, 0, "\xE5\xAE\x8B\xE4\xBD\x93", "zh-cn"},
    };
    for (const Row& row : rows) {
        LOGFONT lf;
        lf.lfCharSet = row.charSet;
        lf.lfPitchAndFamily = row.pitchAndFamily;
        std::strcpy(lf.lfFaceName, row.face);
        const auto request = gdi::FontLibrary::RequestFor(lf);
        EXPECT_EQ(request.family, row.family) << row.face;
        EXPECT_EQ(request.language, row.language) << row.face;
    }
}

} // namespace
