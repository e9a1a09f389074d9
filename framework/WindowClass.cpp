#include "framework/WindowClass.h"

#include <cstdio>
#include <set>
#include <string>

LPCSTR AfxRegisterWndClass(UINT classStyle, HCURSOR cursor, HBRUSH background, HICON icon)
{
    static std::set<std::string> names;
    char name[96];
    std::snprintf(name, sizeof name, "Afx:%x:%p:%p:%p", classStyle, static_cast<void*>(cursor), static_cast<void*>(background),
                  static_cast<void*>(icon));
    return names.insert(name).first->c_str();
}
