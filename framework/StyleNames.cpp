#include "framework/StyleNames.h"

#include <array>
#include <utility>

#include "framework/WindowStyles.h"

namespace fw {

namespace {
// Two bits the templates use that are not among the shared style bits yet.
constexpr DWORD kEditCentre = 0x0001;
constexpr DWORD kStaticLeftNoWordWrap = 0x000C;

#define ZEPHRA_STYLE(name) std::pair<std::string_view, DWORD>{#name, name}
constexpr std::array kStyles{
    ZEPHRA_STYLE(WS_OVERLAPPED), ZEPHRA_STYLE(WS_POPUP), ZEPHRA_STYLE(WS_CHILD), ZEPHRA_STYLE(WS_VISIBLE),
    ZEPHRA_STYLE(WS_DISABLED), ZEPHRA_STYLE(WS_BORDER), ZEPHRA_STYLE(WS_CAPTION), ZEPHRA_STYLE(WS_SYSMENU),
    ZEPHRA_STYLE(WS_VSCROLL), ZEPHRA_STYLE(WS_HSCROLL), ZEPHRA_STYLE(WS_GROUP), ZEPHRA_STYLE(WS_TABSTOP),
    ZEPHRA_STYLE(WS_EX_CLIENTEDGE),
    ZEPHRA_STYLE(SS_LEFT), ZEPHRA_STYLE(SS_CENTER), ZEPHRA_STYLE(SS_RIGHT), ZEPHRA_STYLE(SS_ICON),
    std::pair<std::string_view, DWORD>{"SS_LEFTNOWORDWRAP", kStaticLeftNoWordWrap}, ZEPHRA_STYLE(SS_NOTIFY), ZEPHRA_STYLE(SS_SUNKEN),
    ZEPHRA_STYLE(BS_PUSHBUTTON), ZEPHRA_STYLE(BS_DEFPUSHBUTTON), ZEPHRA_STYLE(BS_CHECKBOX),
    ZEPHRA_STYLE(BS_AUTOCHECKBOX), ZEPHRA_STYLE(BS_RADIOBUTTON), ZEPHRA_STYLE(BS_GROUPBOX),
    ZEPHRA_STYLE(BS_AUTORADIOBUTTON),
    ZEPHRA_STYLE(ES_LEFT), std::pair<std::string_view, DWORD>{"ES_CENTER", kEditCentre}, ZEPHRA_STYLE(ES_PASSWORD), ZEPHRA_STYLE(ES_AUTOHSCROLL), ZEPHRA_STYLE(ES_READONLY),
    ZEPHRA_STYLE(ES_NUMBER),
    ZEPHRA_STYLE(CBS_SIMPLE), ZEPHRA_STYLE(CBS_DROPDOWN), ZEPHRA_STYLE(CBS_DROPDOWNLIST), ZEPHRA_STYLE(CBS_SORT),
    ZEPHRA_STYLE(LVS_REPORT), ZEPHRA_STYLE(LVS_SINGLESEL), ZEPHRA_STYLE(LVS_SHOWSELALWAYS),
    ZEPHRA_STYLE(LVS_NOSORTHEADER),
};
#undef ZEPHRA_STYLE
}  // namespace

std::optional<DWORD> StyleBitsByName(std::string_view name)
{
    for (const auto& [style_name, bits] : kStyles)
        if (style_name == name)
            return bits;
    return std::nullopt;
}

}  // namespace fw
