#pragma once
// The program's own resources, compiled in. The program registers them at start with
// fw::SetProgramModule(&zephra::ProgramResources()).

#include "framework/ResourceModule.h"

namespace zephra {

const fw::ResourceModule& ProgramResources();

}  // namespace zephra
