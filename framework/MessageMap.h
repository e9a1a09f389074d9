#pragma once
// Message maps: each class lists the messages, commands and notifications it handles; a
// message goes to the first matching entry from the most derived class up to CCmdTarget.
//
//   class CMyFrame : public CFrameWnd { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyFrame, CFrameWnd)
//       ON_WM_TIMER()
//       ON_COMMAND(32777, OnShow)
//       ON_MESSAGE(WM_USER + 100, OnTrayNotify)
//   END_MESSAGE_MAP()
//
// Handlers are named by their bare member name and have the framework's signatures.

#include <cstdint>

#include "framework/Messages.h"

class CCmdTarget;

namespace fw {

struct MsgContext {
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
};

using MsgHandler = bool (*)(CCmdTarget* target, MsgContext& context);

struct MessageMapEntry {
    UINT message = 0;  // WM_*, or one of the framework's own kinds below
    UINT code = 0;     // notification code of WM_COMMAND and WM_NOTIFY
    UINT first_id = 0;
    UINT last_id = 0;
    MsgHandler handler = nullptr;  // null ends a map
};

struct MessageMap {
    const MessageMap* (*base)();  // null for the root
    const MessageMapEntry* entries;
};

// Entry kinds of the framework's own.
constexpr UINT kUpdateCommandUi = 0xFFFF0001;  // command-UI update, lParam is the CCmdUI
constexpr UINT kAnyCtlColor = 0xFFFF0002;      // every WM_CTLCOLOR* message
constexpr UINT kReflectedCtlColor = 0xFFFF0003;  // colour request reflected to the control

// The first entry that matches, searching from `map` up through its bases.
const MessageMapEntry* FindEntry(const MessageMap* map, UINT message, UINT code, UINT id);

}  // namespace fw

#define DECLARE_MESSAGE_MAP()                                  \
protected:                                                     \
    static const fw::MessageMap* GetThisMessageMap();          \
    const fw::MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
    const fw::MessageMap* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const fw::MessageMap* theClass::GetThisMessageMap()                                 \
    {                                                                                   \
        using ThisClass = theClass;                                                     \
        using TheBaseClass = baseClass;                                                 \
        static_assert(sizeof(ThisClass) > 0);                                           \
        static const fw::MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                             \
    fw::MessageMapEntry{} };                                                          \
    static const fw::MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};    \
    return &map;                                                                      \
    }

#define ZEPHRA_MSG_ENTRY(message, code, first, last, body)                                          \
    fw::MessageMapEntry{static_cast<UINT>(message), static_cast<UINT>(code), static_cast<UINT>(first), \
                        static_cast<UINT>(last),                                                     \
                        [](CCmdTarget* target_, [[maybe_unused]] fw::MsgContext& c_) -> bool {                      \
                            [[maybe_unused]] ThisClass* self_ = static_cast<ThisClass*>(target_);    \
                            body;                                                                    \
                            return true;                                                             \
                        }},

#define ZEPHRA_POINT_ARG CPoint(static_cast<short>(LOWORD(static_cast<std::uintptr_t>(c_.lParam))), \
                                static_cast<short>(HIWORD(static_cast<std::uintptr_t>(c_.lParam))))

// Window messages.
#define ON_WM_CREATE() ZEPHRA_MSG_ENTRY(WM_CREATE, 0, 0, 0, c_.result = self_->OnCreate(reinterpret_cast<LPCREATESTRUCT>(c_.lParam)))
#define ON_WM_DESTROY() ZEPHRA_MSG_ENTRY(WM_DESTROY, 0, 0, 0, self_->OnDestroy())
#define ON_WM_NCDESTROY() ZEPHRA_MSG_ENTRY(WM_NCDESTROY, 0, 0, 0, self_->OnNcDestroy())
#define ON_WM_CLOSE() ZEPHRA_MSG_ENTRY(WM_CLOSE, 0, 0, 0, self_->OnClose())
#define ON_WM_TIMER() ZEPHRA_MSG_ENTRY(WM_TIMER, 0, 0, 0, self_->OnTimer(static_cast<UINT_PTR>(c_.wParam)))
#define ON_WM_PAINT() ZEPHRA_MSG_ENTRY(WM_PAINT, 0, 0, 0, self_->OnPaint())
#define ON_WM_SIZE()                                                                                   \
    ZEPHRA_MSG_ENTRY(WM_SIZE, 0, 0, 0,                                                                 \
                     self_->OnSize(static_cast<UINT>(c_.wParam), LOWORD(static_cast<std::uintptr_t>(c_.lParam)), \
                                   HIWORD(static_cast<std::uintptr_t>(c_.lParam))))
#define ON_WM_ERASEBKGND() \
    ZEPHRA_MSG_ENTRY(WM_ERASEBKGND, 0, 0, 0, c_.result = self_->OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(c_.wParam))))
#define ON_WM_CTLCOLOR()                                                                                 \
    ZEPHRA_MSG_ENTRY(fw::kAnyCtlColor, 0, 0, 0,                                                          \
                     c_.result = reinterpret_cast<LRESULT>(self_->OnCtlColor(                            \
                         CDC::FromHandle(reinterpret_cast<HDC>(c_.wParam)),                              \
                         CWnd::FromHandle(reinterpret_cast<HWND>(c_.lParam)), c_.message - WM_CTLCOLORMSGBOX)))
#define ON_WM_CTLCOLOR_REFLECT()                                                                         \
    ZEPHRA_MSG_ENTRY(fw::kReflectedCtlColor, 0, 0, 0,                                                    \
                     c_.result = reinterpret_cast<LRESULT>(self_->CtlColor(                              \
                         CDC::FromHandle(reinterpret_cast<HDC>(c_.wParam)), static_cast<UINT>(c_.lParam))))
#define ON_WM_SETCURSOR()                                                                                \
    ZEPHRA_MSG_ENTRY(WM_SETCURSOR, 0, 0, 0,                                                              \
                     c_.result = self_->OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(c_.wParam)), \
                                                    LOWORD(static_cast<std::uintptr_t>(c_.lParam)),       \
                                                    HIWORD(static_cast<std::uintptr_t>(c_.lParam))))
#define ON_WM_NCHITTEST() ZEPHRA_MSG_ENTRY(WM_NCHITTEST, 0, 0, 0, c_.result = static_cast<LRESULT>(self_->OnNcHitTest(ZEPHRA_POINT_ARG)))
#define ON_WM_MOUSEMOVE() ZEPHRA_MSG_ENTRY(WM_MOUSEMOVE, 0, 0, 0, self_->OnMouseMove(static_cast<UINT>(c_.wParam), ZEPHRA_POINT_ARG))
#define ON_WM_LBUTTONDOWN() ZEPHRA_MSG_ENTRY(WM_LBUTTONDOWN, 0, 0, 0, self_->OnLButtonDown(static_cast<UINT>(c_.wParam), ZEPHRA_POINT_ARG))
#define ON_WM_LBUTTONUP() ZEPHRA_MSG_ENTRY(WM_LBUTTONUP, 0, 0, 0, self_->OnLButtonUp(static_cast<UINT>(c_.wParam), ZEPHRA_POINT_ARG))
#define ON_WM_LBUTTONDBLCLK() ZEPHRA_MSG_ENTRY(WM_LBUTTONDBLCLK, 0, 0, 0, self_->OnLButtonDblClk(static_cast<UINT>(c_.wParam), ZEPHRA_POINT_ARG))
#define ON_WM_RBUTTONDOWN() ZEPHRA_MSG_ENTRY(WM_RBUTTONDOWN, 0, 0, 0, self_->OnRButtonDown(static_cast<UINT>(c_.wParam), ZEPHRA_POINT_ARG))
#define ON_WM_RBUTTONUP() ZEPHRA_MSG_ENTRY(WM_RBUTTONUP, 0, 0, 0, self_->OnRButtonUp(static_cast<UINT>(c_.wParam), ZEPHRA_POINT_ARG))
#define ON_WM_SETFOCUS() ZEPHRA_MSG_ENTRY(WM_SETFOCUS, 0, 0, 0, self_->OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(c_.wParam))))
#define ON_WM_KILLFOCUS() ZEPHRA_MSG_ENTRY(WM_KILLFOCUS, 0, 0, 0, self_->OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(c_.wParam))))
#define ON_WM_KEYDOWN()                                                                            \
    ZEPHRA_MSG_ENTRY(WM_KEYDOWN, 0, 0, 0,                                                          \
                     self_->OnKeyDown(static_cast<UINT>(c_.wParam), LOWORD(static_cast<std::uintptr_t>(c_.lParam)), \
                                      HIWORD(static_cast<std::uintptr_t>(c_.lParam))))
#define ON_WM_CHAR()                                                                               \
    ZEPHRA_MSG_ENTRY(WM_CHAR, 0, 0, 0,                                                             \
                     self_->OnChar(static_cast<UINT>(c_.wParam), LOWORD(static_cast<std::uintptr_t>(c_.lParam)), \
                                   HIWORD(static_cast<std::uintptr_t>(c_.lParam))))
#define ON_WM_SYSCOMMAND() ZEPHRA_MSG_ENTRY(WM_SYSCOMMAND, 0, 0, 0, self_->OnSysCommand(static_cast<UINT>(c_.wParam), c_.lParam))
#define ON_WM_SHOWWINDOW() ZEPHRA_MSG_ENTRY(WM_SHOWWINDOW, 0, 0, 0, self_->OnShowWindow(static_cast<BOOL>(c_.wParam), static_cast<UINT>(c_.lParam)))

// Any message, handled as LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) ZEPHRA_MSG_ENTRY(message, 0, 0, 0, c_.result = self_->memberFxn(c_.wParam, c_.lParam))

// Commands (menus, buttons with code 0) and their command-UI updates.
#define ON_COMMAND(id, memberFxn) ZEPHRA_MSG_ENTRY(WM_COMMAND, 0, id, id, self_->memberFxn())
#define ON_COMMAND_RANGE(firstId, lastId, memberFxn) \
    ZEPHRA_MSG_ENTRY(WM_COMMAND, 0, firstId, lastId, self_->memberFxn(LOWORD(c_.wParam)))
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    ZEPHRA_MSG_ENTRY(fw::kUpdateCommandUi, 0, id, id, self_->memberFxn(reinterpret_cast<CCmdUI*>(c_.lParam)))

// Control notifications sent to the parent as WM_COMMAND.
#define ON_CONTROL(code, id, memberFxn) ZEPHRA_MSG_ENTRY(WM_COMMAND, code, id, id, self_->memberFxn())
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)

// Common-control notifications sent to the parent as WM_NOTIFY: void memberFxn(NMHDR*, LRESULT*).
#define ON_NOTIFY(code, id, memberFxn) \
    ZEPHRA_MSG_ENTRY(WM_NOTIFY, code, id, id, self_->memberFxn(reinterpret_cast<NMHDR*>(c_.lParam), &c_.result))
