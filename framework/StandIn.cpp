// The objects CWnd::FromHandle hands out for windows that have none of their own.
#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CEdit.h"
#include "framework/CListCtrl.h"
#include "framework/CStatic.h"
#include "framework/CToolTipCtrl.h"
#include "framework/WindowProcedure.h"

namespace fw {

std::unique_ptr<CWnd> MakeStandIn(WindowKind kind)
{
    switch (kind) {
    case WindowKind::Static: return std::make_unique<CStatic>();
    case WindowKind::Button: return std::make_unique<CButton>();
    case WindowKind::Edit: return std::make_unique<CEdit>();
    case WindowKind::ComboBox: return std::make_unique<CComboBox>();
    case WindowKind::ListView: return std::make_unique<CListCtrl>();
    case WindowKind::ToolTip: return std::make_unique<CToolTipCtrl>();
    default: return std::make_unique<CWnd>();
    }
}

CWnd* ObjectOf(Window* w)
{
    if (w->object != nullptr)
        return w->object;
    if (!w->stand_in) {
        w->stand_in = MakeStandIn(w->kind);
        w->stand_in->m_hWnd = w->handle;
    }
    return w->stand_in.get();
}

}  // namespace fw
