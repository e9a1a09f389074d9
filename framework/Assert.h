#pragma once
// Development checks. In a debug build (NDEBUG not defined) a failed check stops the
// program and names the source file and line; in a release build the check is left out
// and the code goes on with what it was given.

#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void AfxAssertFailedLine(const char* file, int line)
{
    std::fprintf(stderr, "Assertion failed: %s, line %d\n", file, line);
    std::abort();
}

#ifdef NDEBUG
#define ASSERT(condition) ((void)0)
#else
#define ASSERT(condition) ((condition) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#endif

// A text the caller may read. Only a null pointer can be told apart here.
inline bool AfxIsValidString(const char* text)
{
    return text != nullptr;
}
