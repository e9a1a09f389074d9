#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "framework/gdi/CDC.h"
#include "framework/gdi/Raster.h"

namespace {

// Points fontconfig at a configuration without font folders before anything asks for a font.
class NoFontsEnvironment : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_config = std::filesystem::temp_directory_path() / ("gdi-no-fonts-" + std::to_string(::getpid()) + ".conf");
        std::ofstream(m_config) << "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n";
        ::setenv("FONTCONFIG_FILE", m_config.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove(m_config); }

private:
    std::filesystem::path m_config;
};

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new NoFontsEnvironment);

TEST(NoFontsTest, TextDrawsNothingAndMeasuresZero)
{
    gdi::Raster raster(40, 20, 0x123456);
    CDC dc;
    dc.AttachRaster(raster);
    CFont font;
    font.CreateFont(14, 0, 900, 0, FW_BOLD, FALSE, TRUE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                    DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Arial");
    dc.SelectObject(&font);
    dc.SetBkMode(OPAQUE);
    EXPECT_TRUE(dc.TextOut(20, 10, "Samples"));
    EXPECT_EQ(raster, gdi::Raster(40, 20, 0x123456));
    EXPECT_EQ(dc.GetTextExtent("Samples"), CSize(0, 0));
    TEXTMETRIC tm;
    EXPECT_FALSE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(tm.tmHeight, 0);
}

} // namespace
