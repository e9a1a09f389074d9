#pragma once
// How the library picks its version template and its language library from the system's
// default language. Its language indexes are not the program's: Italian (3) and Spanish (5)
// have indexes of their own, which have no library of their own and get English.

#include "platform/WinTypes.h"

// The version template for a primary language: Korean 323, Japanese 324, German 325,
// French 326, Chinese 327, every other language 221.
int VersionTemplateFor(WORD primaryLang);
// The language index of a primary language, 0 (English) for languages without one.
int PropLanguageIndexOf(WORD primaryLang);
// The "PLang" library of a language index: "PLangEN.DLL" for every index without one.
LPCSTR PropLanguageLibrary(int index);
