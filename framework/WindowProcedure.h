#pragma once
// How messages reach a window: its CWnd object when one is attached, else its dialog
// procedure, else the built-in behaviour of its kind. For the framework's own files.

#include "framework/Presenter.h"
#include "framework/Window.h"

namespace fw {

LRESULT CallProcedure(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
// What the window does without its CWnd object: the dialog procedure, else the default.
LRESULT CallOriginalProcedure(Window* window, UINT message, WPARAM wParam, LPARAM lParam);
// The built-in behaviour of the window's kind.
LRESULT DefaultProcedure(Window* window, UINT message, WPARAM wParam, LPARAM lParam);

void Notify(const Window* window, Change what);
// A control's WM_COMMAND notification to its parent.
void NotifyParent(Window* control, UINT code);
// A control's WM_NOTIFY notification to its parent; returns the parent's result.
LRESULT NotifyParent(Window* control, NMHDR& header);

// The object that CWnd::FromHandle hands out: the attached one, else a lasting stand-in of
// the class matching the window's kind (a CComboBox for a combo box, ...).
CWnd* ObjectOf(Window* window);
std::unique_ptr<CWnd> MakeStandIn(WindowKind kind);

// The object the next CreateWindowEx attaches before WM_CREATE (set by CWnd::CreateEx).
void SetObjectForNextWindow(CWnd* object);

WindowKind KindOfClass(const std::string& class_name);

}  // namespace fw
