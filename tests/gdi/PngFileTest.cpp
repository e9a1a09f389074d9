#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "framework/gdi/PngFile.h"

namespace {

std::filesystem::path TempPath(const char* name)
{
    return std::filesystem::temp_directory_path() / (std::to_string(::getpid()) + name);
}

TEST(PngFileTest, WrittenRasterReadsBackIdentical)
{
    gdi::Raster raster(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            raster.Set(x, y, static_cast<gdi::Pixel>((x * 37) << 16 | (y * 51) << 8 | (x * y * 13)));
    raster.Set(0, 0, 0xFFFFFF);
    const auto path = TempPath("-gdi-roundtrip.png");
    ASSERT_TRUE(gdi::WritePng(raster, path));
    const auto back = gdi::ReadPng(path);
    std::filesystem::remove(path);
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(*back, raster);
}

TEST(PngFileTest, FailuresAreReported)
{
    EXPECT_FALSE(gdi::WritePng(gdi::Raster(2, 2), "/nonexistent-dir/x.png"));
    EXPECT_FALSE(gdi::WritePng(gdi::Raster(), TempPath("-gdi-empty.png")));
    const auto path = TempPath("-gdi-not.png");
    std::ofstream(path) << "not a picture";
    EXPECT_FALSE(gdi::ReadPng(path).has_value());
    std::filesystem::remove(path);
    EXPECT_FALSE(gdi::ReadPng(TempPath("-gdi-missing.png")).has_value());
}

} // namespace
