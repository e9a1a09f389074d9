#pragma once
// The bold title font of the status pages, in the Korean face under the Korean language
// library, where the default face lacks the glyphs.

#include "framework/gdi/CFont.h"

void CreatePageTitleFont(CFont& font);
