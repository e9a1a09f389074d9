#include "platform/MessageBox.h"

#include "machine/MachinePort.h"
#include "platform/CurrentMachine.h"

namespace platform {

namespace {
MessageBoxHandler g_handler;
MessageBoxCapture* g_capture = nullptr;
std::string g_application_name;
}  // namespace

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(g_handler);
    g_handler = std::move(handler);
    return previous;
}

void SetApplicationName(const char* name) { g_application_name = name ? name : ""; }
const char* ApplicationName() { return g_application_name.c_str(); }

MessageBoxCapture::MessageBoxCapture(int answer) : m_answer(answer), m_previous(g_capture) { g_capture = this; }
MessageBoxCapture::~MessageBoxCapture() { g_capture = m_previous; }

int MessageBoxCapture::record(const char* text, const char* caption, UINT type)
{
    m_boxes.push_back({text ? text : "", caption ? caption : "", type});
    return m_answer;
}

}  // namespace platform

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    if (platform::g_handler)
        return platform::g_handler(owner, text, caption, type);
    if (platform::g_capture)
        return platform::g_capture->record(text, caption, type);
    return IDOK;
}

BOOL MessageBeep(UINT type)
{
    platform::CurrentMachine().message_beep(type);
    return TRUE;
}
