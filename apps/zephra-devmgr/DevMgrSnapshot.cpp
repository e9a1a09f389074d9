#include "apps/zephra-devmgr/DevMgrSnapshot.h"

#include <algorithm>

#include "framework/Input.h"
#include "framework/WinUser.h"
#include "framework/Window.h"
#include "platform/Time.h"
#include "qtview/QtPresenter.h"
#include "qtview/Snapshot.h"

namespace devmgr {

namespace {

// A little more than the pages' one-second ticks.
constexpr std::uint64_t kTickMs = 1100;
// How long a window may take to open before the snapshot gives up.
constexpr std::uint64_t kOpenTimeoutMs = 10000;
constexpr int kStatusButton = 1399;
constexpr int kVersionTab = 1;
constexpr int kStatisticsTab = 1;

// The visible property sheet opened last other than `except`.
HWND OpenSheetOtherThan(HWND except)
{
    HWND found = nullptr;
    for (fw::Window* w : fw::TopLevelWindows())
        if (w->kind == fw::WindowKind::PropertySheet && w->visible() && w->handle != except)
            found = w->handle;
    return found;
}

HWND ActivePage(HWND sheet)
{
    fw::Window* w = fw::FromHandle(sheet);
    if (w == nullptr)
        return nullptr;
    for (fw::Window* child : w->children)
        if (child->kind == fw::WindowKind::Dialog && child->visible())
            return child->handle;
    return nullptr;
}

}  // namespace

DevMgrSnapshot::DevMgrSnapshot(qtview::QtPresenter& desktop, std::string folder)
    : ForwardingPresenter(desktop), m_desktop(desktop), m_folder(std::move(folder))
{
}

void DevMgrSnapshot::wait_for_events(std::uint64_t deadline_ms)
{
    if (m_step != Step::Done) {
        const std::uint64_t now = GetTickCount64();
        if (m_next_ms == 0) {
            m_next_ms = now + kTickMs;
            m_deadline_ms = now + kOpenTimeoutMs;
        }
        if (m_next_ms <= now) {
            take_step(now);
            return;
        }
        deadline_ms = std::min(deadline_ms, m_next_ms);
    }
    ForwardingPresenter::wait_for_events(deadline_ms);
}

void DevMgrSnapshot::take_step(std::uint64_t now)
{
    m_next_ms = now + kTickMs;
    switch (m_step) {
    case Step::DeviceSheet:
        if (!await_sheet(m_device, nullptr, now))
            return;
        save(m_device, "general");
        fw::input::SelectTab(m_device, kVersionTab);
        m_step = Step::VersionPage;
        return;
    case Step::VersionPage: {
        save(m_device, "version");
        HWND page = ActivePage(m_device);
        HWND button = page ? ::GetDlgItem(page, kStatusButton) : nullptr;
        if (button == nullptr) {
            give_up();
            return;
        }
        // Posted, so that the status sheet's modal loop runs from the loop, not from here.
        ::PostMessage(page, WM_COMMAND, MAKELONG(static_cast<WORD>(kStatusButton), static_cast<WORD>(BN_CLICKED)),
                      reinterpret_cast<LPARAM>(button));
        m_deadline_ms = now + kOpenTimeoutMs;
        m_step = Step::StatusSheet;
        return;
    }
    case Step::StatusSheet:
        if (!await_sheet(m_status, m_device, now))
            return;
        save(m_status, "status-connection-status");
        fw::input::SelectTab(m_status, kStatisticsTab);
        m_step = Step::StatisticsPage;
        return;
    case Step::StatisticsPage:
        save(m_status, "status-statistics");
        ::PostMessage(m_status, WM_CLOSE, 0, 0);
        m_step = Step::Close;
        return;
    case Step::Close:
        ::PostMessage(m_device, WM_CLOSE, 0, 0);
        m_step = Step::Done;
        return;
    case Step::Done: return;
    }
}

bool DevMgrSnapshot::await_sheet(HWND& sheet, HWND except, std::uint64_t now)
{
    sheet = OpenSheetOtherThan(except);
    if (sheet == nullptr && now >= m_deadline_ms)
        give_up();
    return sheet != nullptr;
}

void DevMgrSnapshot::save(HWND sheet, const std::string& name)
{
    const std::string path = m_folder + "/" + name + ".png";
    if (qtview::SaveWindowSnapshot(m_desktop, sheet, QString::fromStdString(path)))
        m_written.push_back(path);
    else
        m_succeeded = false;
}

void DevMgrSnapshot::give_up()
{
    m_succeeded = false;
    m_step = Step::Done;
    for (HWND sheet : {m_status, m_device})
        if (sheet != nullptr && ::IsWindow(sheet))
            ::PostMessage(sheet, WM_CLOSE, 0, 0);
}

}  // namespace devmgr
