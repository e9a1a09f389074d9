#pragma once
// The device property-page library's own resources, compiled into the library: its version
// templates, the status sheet's two pages. The library makes them its own module on loading.

#include "framework/ResourceModule.h"

namespace zephra {

const fw::ResourceModule& PropResources();

}  // namespace zephra
