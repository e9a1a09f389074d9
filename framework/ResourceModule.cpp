#include "framework/ResourceModule.h"

#include "framework/CString.h"
#include "framework/ModuleState.h"

namespace fw {

namespace {
template <class Map, class Key>
auto find_in(const Map& map, Key key) -> const typename Map::mapped_type*
{
    auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}
}  // namespace

const DialogTemplate* ResourceModule::find_dialog(int id) const { return find_in(dialogs, id); }
const IconImage* ResourceModule::find_icon(int id) const { return find_in(icons, id); }
const MenuTemplate* ResourceModule::find_menu(int id) const { return find_in(menus, id); }
const CursorImage* ResourceModule::find_cursor(int id) const { return find_in(cursors, id); }

std::optional<std::string> ResourceModule::find_string(UINT id) const
{
    if (const std::string* s = find_in(strings, id))
        return *s;
    return std::nullopt;
}

void SetProgramModule(const ResourceModule* module)
{
    ProgramModuleState().own = module;
    ProgramModuleState().resources = module;
}

}  // namespace fw

HINSTANCE AfxGetInstanceHandle() { return fw::HandleOfModule(fw::CurrentModuleState().own); }
HINSTANCE AfxGetResourceHandle() { return fw::HandleOfModule(fw::CurrentModuleState().resources); }
void AfxSetResourceHandle(HINSTANCE module) { fw::CurrentModuleState().resources = fw::ModuleFromHandle(module); }

BOOL CString::LoadString(UINT nID)
{
    const fw::ResourceModule* module = fw::ModuleFromHandle(AfxGetResourceHandle());
    auto text = module ? module->find_string(nID) : std::nullopt;
    *this = text ? CString(*text) : CString();
    return text.has_value();
}
