#include <gtest/gtest.h>

#include "platform/MessageBox.h"

TEST(MessageBox, HandlerWinsElseTheInnermostCaptureRecords)
{
    EXPECT_EQ(MessageBoxA(nullptr, "unseen", "", MB_OK), IDOK);
    platform::MessageBoxCapture outer;
    {
        platform::MessageBoxCapture inner(IDCANCEL);
        EXPECT_EQ(MessageBoxA(nullptr, "text", "caption", MB_OKCANCEL), IDCANCEL);
        ASSERT_EQ(inner.boxes().size(), 1u);
        EXPECT_EQ(inner.boxes()[0].text, "text");
        EXPECT_EQ(inner.boxes()[0].caption, "caption");
        EXPECT_EQ(inner.boxes()[0].type, MB_OKCANCEL);
    }
    MessageBoxA(nullptr, "after", nullptr, MB_OK);
    ASSERT_EQ(outer.boxes().size(), 1u);
    EXPECT_EQ(outer.boxes()[0].text, "after");

    std::string shown;
    auto previous = platform::SetMessageBoxHandler([&](HWND, const char* text, const char*, UINT) {
        shown = text;
        return IDYES;
    });
    EXPECT_EQ(MessageBoxA(nullptr, "asked", "c", MB_YESNO), IDYES);
    EXPECT_EQ(shown, "asked");
    EXPECT_EQ(outer.boxes().size(), 1u);
    platform::SetMessageBoxHandler(previous);
}
