#include "pages/WepSettings.h"

namespace {
struct KindLength {
    int kind;
    int length;
};
constexpr KindLength kKeyLengths[] = {{WEP_KEY_ASCII_40, 5}, {WEP_KEY_HEX_40, 10}, {WEP_KEY_ASCII_104, 13}, {WEP_KEY_HEX_104, 26}};
}  // namespace

int WepKeyKindOfLength(int length)
{
    for (const KindLength& k : kKeyLengths)
        if (k.length == length)
            return k.kind;
    return WEP_KEY_NONE;
}

bool IsWepKey104(int kind) { return kind == WEP_KEY_ASCII_104 || kind == WEP_KEY_HEX_104; }

int WepRequirementOf(int kind)
{
    if (kind == WEP_KEY_ASCII_40 || kind == WEP_KEY_HEX_40)
        return WEP_REQ_40;
    return IsWepKey104(kind) ? WEP_REQ_104 : WEP_REQ_NONE;
}

CString WepKeyMask(int length)
{
    return WepKeyKindOfLength(length) == WEP_KEY_NONE ? CString() : CString('*', length);
}
