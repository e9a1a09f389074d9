#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "framework/gdi/CDC.h"
#include "framework/gdi/Raster.h"

namespace {

TEST(GdiObjectTest, SelectingReturnsWhatWasSelectedBefore)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 30, 20));
    CBitmap* old = dc.SelectObject(&bitmap);
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(old->GetSize(), CSize(1, 1));
    EXPECT_EQ(dc.GetRaster(), bitmap.GetRaster());
    EXPECT_EQ(dc.SelectObject(old), &bitmap);

    CPen first(PS_SOLID, 0, RGB(1, 1, 1)), second(PS_SOLID, 0, RGB(2, 2, 2));
    CPen* stock = dc.SelectObject(&first);
    ASSERT_NE(stock, nullptr);
    EXPECT_EQ(dc.SelectObject(&second), &first);
    EXPECT_EQ(dc.SelectObject(stock), &second);
}

TEST(GdiObjectTest, SelectedBitmapOutlivesItsWrapper)
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    auto bitmap = std::make_unique<CBitmap>();
    bitmap->CreateBitmap(4, 4);
    const HGDIOBJ handle = bitmap->m_hObject;
    dc.SelectObject(bitmap.get());
    bitmap.reset();
    dc.SetPixel(1, 1, RGB(9, 9, 9));
    EXPECT_EQ(dc.GetPixel(1, 1), RGB(9, 9, 9));
    // The stand-in wrapper lets the caller put the context back together.
    CGdiObject* standIn = dc.GetCurrentBitmap();
    ASSERT_NE(standIn, nullptr);
    EXPECT_EQ(standIn->m_hObject, handle);
    dc.DeleteDC();
    EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(GdiObjectTest, HandlesMapBackToTheirOwners)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(14, 0, 900, 900, FW_LIGHT, FALSE, TRUE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial"));
    EXPECT_EQ(CFont::FromHandle(font), &font);
    LOGFONT lf;
    ASSERT_EQ(font.GetLogFont(&lf), static_cast<int>(sizeof(LOGFONT)));
    EXPECT_EQ(lf.lfHeight, 14);
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_EQ(lf.lfWeight, FW_LIGHT);
    EXPECT_EQ(lf.lfUnderline, 1);
    EXPECT_STREQ(lf.lfFaceName, "Arial");

    const HGDIOBJ handle = font.Detach();
    EXPECT_EQ(font.m_hObject, nullptr);
    CFont other;
    ASSERT_TRUE(other.Attach(handle));
    EXPECT_EQ(CFont::FromHandle(reinterpret_cast<HFONT>(handle)), &other);
    EXPECT_TRUE(other.DeleteObject());
    EXPECT_EQ(CGdiObject::FromHandle(handle), nullptr);
    EXPECT_FALSE(DeleteObject(handle));
}

TEST(GdiObjectTest, StockObjectsSurviveDeletion)
{
    const HGDIOBJ hollow = GetStockObject(HOLLOW_BRUSH);
    ASSERT_NE(hollow, nullptr);
    EXPECT_EQ(GetStockObject(NULL_BRUSH), hollow);
    EXPECT_TRUE(DeleteObject(hollow));
    EXPECT_EQ(GetObjectType(hollow), OBJ_BRUSH);
    EXPECT_EQ(GetStockObject(-1), nullptr);
}

TEST(GdiObjectTest, RawHandleCallsReachTheContext)
{
    gdi::Raster raster(2, 2);
    CDC dc;
    dc.AttachRaster(raster);
    EXPECT_EQ(CDC::FromHandle(dc.m_hDC), &dc);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, TRANSPARENT);
    EXPECT_EQ(dc.GetTextColor(), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    const HDC stale = dc.m_hDC;
    dc.DeleteDC();
    EXPECT_EQ(CDC::FromHandle(stale), nullptr);
    EXPECT_EQ(SetBkMode(stale, OPAQUE), 0);
}

} // namespace
