#include "framework/Presenter.h"

#include "platform/MessageBox.h"

namespace fw {

namespace {
Presenter* g_presenter = nullptr;

int PresentMessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    if (g_presenter == nullptr)
        return IDOK;
    MessageBoxRequest request;
    request.owner = owner;
    request.text = text ? text : "";
    request.caption = caption ? caption : "";
    request.type = type;
    return g_presenter->message_box(request);
}
}  // namespace

Presenter* SetPresenter(Presenter* presenter)
{
    Presenter* before = g_presenter;
    g_presenter = presenter;
    // Headless, the platform records or answers message boxes itself.
    platform::SetMessageBoxHandler(presenter ? platform::MessageBoxHandler(PresentMessageBox) : platform::MessageBoxHandler());
    return before;
}

Presenter* CurrentPresenter() { return g_presenter; }

}  // namespace fw
