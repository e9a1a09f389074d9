#pragma once
// PNG export and import of rasters (8-bit RGB, no alpha).

#include <filesystem>
#include <optional>

#include "framework/gdi/Raster.h"

namespace gdi {

bool WritePng(const Raster& raster, const std::filesystem::path& path);
std::optional<Raster> ReadPng(const std::filesystem::path& path);

} // namespace gdi
