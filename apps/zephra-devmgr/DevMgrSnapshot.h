#pragma once
// `--snapshot DIR` of the device manager: once the Properties window is open, pictures of its
// General page and the version page, then of both pages of the status sheet the version
// page's button opens; then both windows are closed.

#include <cstdint>
#include <string>
#include <vector>

#include "apps/zephra/ForwardingPresenter.h"

namespace qtview {
class QtPresenter;
}

namespace devmgr {

class DevMgrSnapshot final : public zephra_app::ForwardingPresenter {
public:
    DevMgrSnapshot(qtview::QtPresenter& desktop, std::string folder);

    void wait_for_events(std::uint64_t deadline_ms) override;
    const std::vector<std::string>& written() const { return m_written; }
    bool succeeded() const { return m_succeeded && m_step == Step::Done; }

private:
    enum class Step { DeviceSheet, VersionPage, StatusSheet, StatisticsPage, Close, Done };
    void take_step(std::uint64_t now);
    // Finds the sheet opened after `except`; gives the snapshot up when none came in time.
    bool await_sheet(HWND& sheet, HWND except, std::uint64_t now);
    void save(HWND sheet, const std::string& name);
    void give_up();

    qtview::QtPresenter& m_desktop;
    std::string m_folder;
    Step m_step = Step::DeviceSheet;
    std::uint64_t m_next_ms = 0;
    std::uint64_t m_deadline_ms = 0;
    HWND m_device = nullptr;
    HWND m_status = nullptr;
    std::vector<std::string> m_written;
    bool m_succeeded = true;
};

}  // namespace devmgr
