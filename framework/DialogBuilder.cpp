#include "framework/DialogBuilder.h"

#include <map>
#include <memory>

#include "framework/CWnd.h"
#include "framework/WinUser.h"
#include "framework/WindowProcedure.h"

namespace fw {

namespace {
// Dialog fonts live as long as the process, shared by every dialog that names them.
HFONT DialogFont(const std::string& name, int point_size)
{
    static std::map<std::pair<std::string, int>, std::unique_ptr<CFont>> fonts;
    auto& font = fonts[{name, point_size}];
    if (!font) {
        font = std::make_unique<CFont>();
        if (!font->CreatePointFont(point_size * 10, name.c_str()))
            return nullptr;
    }
    return static_cast<HFONT>(*font);
}

const char* ClassOf(const ControlTemplate& control)
{
    switch (control.kind) {
    case ControlKind::Static: return "Static";
    case ControlKind::GroupBox:
    case ControlKind::PushButton:
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return "Button";
    case ControlKind::Edit: return "Edit";
    case ControlKind::ComboBox: return "ComboBox";
    case ControlKind::ListView: return "SysListView32";
    case ControlKind::Custom: return control.class_name.c_str();
    }
    return "Static";
}
}  // namespace

const DialogTemplate* FindDialogTemplate(int id, HINSTANCE module)
{
    const ResourceModule* resources = ModuleFromHandle(module ? module : AfxGetResourceHandle());
    return resources ? resources->find_dialog(id) : nullptr;
}

HWND CreateDialogWindow(const DialogRequest& request)
{
    const DialogTemplate* t = request.dialog;
    const DWORD style = request.style ? request.style : (t ? t->style : WS_CHILD);
    const int width = t ? DialogUnitsToPixelsX(t->cx) : 0, height = t ? DialogUnitsToPixelsY(t->cy) : 0;
    SetObjectForNextWindow(request.object);
    HWND handle = CreateWindowEx(0, "#32770", t ? t->caption.c_str() : "", style, request.x, request.y, width, height,
                                 request.parent, nullptr, AfxGetResourceHandle(), nullptr);
    SetObjectForNextWindow(nullptr);
    Window* dialog = FromHandle(handle);
    if (dialog == nullptr)
        return nullptr;
    dialog->kind = WindowKind::Dialog;
    dialog->dialog_proc = request.procedure;
    HFONT font = t ? DialogFont(t->font_name, t->point_size) : nullptr;
    dialog->font = font;
    if (t != nullptr) {
        for (const ControlTemplate& c : t->controls) {
            const int x = DialogUnitsToPixelsX(c.x), y = DialogUnitsToPixelsY(c.y);
            HWND control = CreateWindowEx(c.ex_style, ClassOf(c), c.text.c_str(), c.style | WS_CHILD, x, y,
                                          DialogUnitsToPixelsX(c.cx), DialogUnitsToPixelsY(c.cy), handle,
                                          reinterpret_cast<HMENU>(static_cast<std::intptr_t>(c.id)), nullptr, nullptr);
            if (Window* w = FromHandle(control)) {
                w->font = font;
                w->items = c.items;
            }
        }
    }
    if (request.send_init) {
        HWND first = dialog->children.empty() ? nullptr : dialog->children.front()->handle;
        SendMessage(handle, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), request.init_param);
    }
    return FromHandle(handle) ? handle : nullptr;
}

}  // namespace fw
