#pragma once
// Message boxes. The framework installs the handler that shows them; without one, a
// MessageBoxCapture in scope records them (what tests read), else they answer IDOK.

#include <functional>
#include <string>
#include <vector>

#include "platform/WinTypes.h"

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_OKCANCEL = 0x1;
constexpr UINT MB_YESNO = 0x4;
constexpr UINT MB_ICONSTOP = 0x10;
constexpr UINT MB_ICONQUESTION = 0x20;
constexpr UINT MB_ICONEXCLAMATION = 0x30;
constexpr UINT MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
// Plays the sound of a message-box type (MB_ICONEXCLAMATION, ...); the machine records it.
BOOL MessageBeep(UINT type);

namespace platform {

using MessageBoxHandler = std::function<int(HWND owner, const char* text, const char* caption, UINT type)>;
// Installs `handler` (empty: none) and returns the one installed before.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// The name that titles the system's own message boxes; "" until the framework sets it.
void SetApplicationName(const char* name);
const char* ApplicationName();

struct RecordedMessageBox {
    std::string text;
    std::string caption;
    UINT type = 0;
};

class MessageBoxCapture {
public:
    explicit MessageBoxCapture(int answer = IDOK);
    ~MessageBoxCapture();
    MessageBoxCapture(const MessageBoxCapture&) = delete;
    MessageBoxCapture& operator=(const MessageBoxCapture&) = delete;

    const std::vector<RecordedMessageBox>& boxes() const { return m_boxes; }
    int record(const char* text, const char* caption, UINT type);

private:
    std::vector<RecordedMessageBox> m_boxes;
    int m_answer;
    MessageBoxCapture* m_previous;
};

}  // namespace platform
