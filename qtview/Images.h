#pragma once
// Pictures of the framework as Qt images.

#include <QIcon>
#include <QImage>

#include "framework/Messages.h"
#include "framework/ResourceModule.h"
#include "framework/gdi/Raster.h"

namespace qtview {

// 0xAARRGGBB pixels, rows top to bottom; an empty picture gives a null image.
QImage ToImage(const fw::IconImage& icon);
// The raster's pixels are opaque 0x00RRGGBB.
QImage ToImage(const gdi::Raster& raster);
// Null for a handle that names no icon.
QIcon ToIcon(HICON icon);

}  // namespace qtview
