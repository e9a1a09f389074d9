#include "apps/zephra/SnapshotPresenter.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <vector>

#include "apps/zephra/DesktopStopSignals.h"
#include "framework/CWinApp.h"
#include "framework/CWnd.h"
#include "framework/Input.h"
#include "framework/MessageBox.h"
#include "framework/TrayIcon.h"
#include "framework/WinUser.h"
#include "framework/Window.h"
#include "platform/Time.h"
#include "qtview/QtPresenter.h"
#include "qtview/Snapshot.h"
#include "shell/HideMainFrame.h"

namespace zephra_app {

namespace {
// A little more than the program's one-second ticks.
constexpr std::uint64_t kTickMs = 1100;
// How long the sheet may take to open before the snapshot gives up.
constexpr std::uint64_t kOpenTimeoutMs = 10000;
// A page with charts is shown long enough for each to draw a trace of several values.
constexpr std::uint64_t kChartTicks = 8;

fw::Window* OpenSheet()
{
    for (fw::Window* w : fw::TopLevelWindows())
        if (w->kind == fw::WindowKind::PropertySheet && w->visible())
            return w;
    return nullptr;
}

fw::Window* TabsOf(const fw::Window& sheet)
{
    for (fw::Window* child : sheet.children)
        if (child->kind == fw::WindowKind::TabControl)
            return child;
    return nullptr;
}

fw::Window* ShownPage(const fw::Window& sheet)
{
    for (fw::Window* child : sheet.children)
        if (child->kind == fw::WindowKind::Dialog && child->visible())
            return child;
    return nullptr;
}

// Charts are the page's owner-drawn windows.
bool HoldsCharts(const fw::Window& page)
{
    return std::any_of(page.children.begin(), page.children.end(),
                       [](const fw::Window* child) { return child->kind == fw::WindowKind::Generic; });
}

// Picks the first entry of each drop-down on the page, as a user would: the charts' finest
// scale, at which the default machine's light traffic shows.
void ChooseFinestScales(const fw::Window& page)
{
    std::vector<HWND> boxes;
    for (const fw::Window* child : page.children)
        if (child->kind == fw::WindowKind::ComboBox && !child->items.empty())
            boxes.push_back(child->handle);
    for (HWND box : boxes)
        fw::input::SelectComboItem(box, 0);
}

// "Connection Status" gives "connection-status"; letters outside ASCII are left out.
std::string FileWord(const std::string& caption)
{
    std::string word;
    for (char c : caption) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) && u < 0x80)
            word += static_cast<char>(std::tolower(u));
        else if (c != '&' && !word.empty() && word.back() != '-')
            word += '-';
    }
    while (!word.empty() && word.back() == '-')
        word.pop_back();
    return word;
}
}  // namespace

SnapshotPresenter::SnapshotPresenter(qtview::QtPresenter& desktop, std::string folder)
    : ForwardingPresenter(desktop), m_desktop(desktop), m_folder(std::move(folder))
{
}

void SnapshotPresenter::wait_for_events(std::uint64_t deadline_ms)
{
    ChainStopSignalsToDesktop();
    if (m_step != Step::Done) {
        const std::uint64_t now = GetTickCount64();
        if (m_step == Step::Start) {
            m_step = Step::OpenSheet;
            m_next_ms = now + kTickMs;
        }
        if (m_next_ms <= now) {
            take_step();
            return;
        }
        deadline_ms = std::min(deadline_ms, m_next_ms);
    }
    ForwardingPresenter::wait_for_events(deadline_ms);
}

int SnapshotPresenter::message_box(const fw::MessageBoxRequest& request)
{
    std::cerr << "zephra: " << request.caption << ": " << request.text << std::endl;
    switch (request.type & MB_TYPEMASK) {
    case MB_OK: return IDOK;
    case MB_YESNO: return IDNO;
    case MB_ABORTRETRYIGNORE: return IDABORT;
    default: return IDCANCEL;
    }
}

void SnapshotPresenter::take_step()
{
    const std::uint64_t now = GetTickCount64();
    switch (m_step) {
    case Step::OpenSheet:
        if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr)
            ::PostMessage(main->m_hWnd, WM_DELAYED_SHOW, 0, 0);
        m_step = Step::ShowPage;
        m_page = -1;
        m_next_ms = now;
        m_open_deadline_ms = now + kOpenTimeoutMs;
        break;
    case Step::ShowPage: {
        fw::Window* sheet = OpenSheet();
        if (sheet == nullptr) {
            if (now >= m_open_deadline_ms) {
                m_succeeded = false;
                finish();
            } else {
                m_next_ms = now + 100;
            }
            return;
        }
        if (m_page >= 0)
            save_page();
        ++m_page;
        const fw::Window* tabs = TabsOf(*sheet);
        if (tabs == nullptr || m_page >= static_cast<int>(tabs->items.size())) {
            finish();
            return;
        }
        if (m_page != tabs->cur_sel)
            fw::input::SelectTab(sheet->handle, m_page);
        m_next_ms = now + kTickMs;
        if (const fw::Window* page = ShownPage(*sheet); page != nullptr && HoldsCharts(*page)) {
            ChooseFinestScales(*page);
            m_next_ms = now + kChartTicks * kTickMs;
        }
        break;
    }
    case Step::Start:
    case Step::Done: break;
    }
}

void SnapshotPresenter::save_page()
{
    fw::Window* sheet = OpenSheet();
    const fw::Window* tabs = sheet ? TabsOf(*sheet) : nullptr;
    if (tabs == nullptr || m_page >= static_cast<int>(tabs->items.size()))
        return;
    const std::string word = FileWord(tabs->items[static_cast<std::size_t>(m_page)]);
    const std::string path = m_folder + "/page-" + std::to_string(m_page + 1) + (word.empty() ? "" : "-" + word) + ".png";
    if (qtview::SaveWindowSnapshot(m_desktop, sheet->handle, QString::fromStdString(path)))
        m_written.push_back(path);
    else
        m_succeeded = false;
}

void SnapshotPresenter::finish()
{
    m_step = Step::Done;
    const std::string tray = m_folder + "/tray-icon.png";
    if (!fw::TrayIcons().empty() && qtview::SaveTrayIconSnapshot(fw::TrayIcons().front(), 16, QString::fromStdString(tray)))
        m_written.push_back(tray);
    else
        m_succeeded = false;
    // Closed as a user would: the frame ends an open sheet first, then itself.
    if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr)
        ::PostMessage(main->m_hWnd, WM_CLOSE, 0, 0);
    else
        ::PostQuitMessage(0);
}

}  // namespace zephra_app
