#pragma once
// The device manager's own resources: its General page.

#include "framework/ResourceModule.h"

namespace zephra {

const fw::ResourceModule& DevMgrResources();

}  // namespace zephra
