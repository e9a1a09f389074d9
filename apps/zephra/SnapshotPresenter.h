#pragma once
// `--snapshot DIR`: once the program ran its first tick, opens the sheet, shows each page in
// turn for one of its ticks (a page with charts for several, at its finest scale) and writes
// what it shows to DIR as PNG files, with the tray icon, then closes the program.

#include <cstdint>
#include <string>
#include <vector>

#include "apps/zephra/ForwardingPresenter.h"

namespace qtview {
class QtPresenter;
}

namespace zephra_app {

class SnapshotPresenter final : public ForwardingPresenter {
public:
    SnapshotPresenter(qtview::QtPresenter& desktop, std::string folder);

    void wait_for_events(std::uint64_t deadline_ms) override;
    // Offscreen no one could answer a box: it is printed and answered with its gentlest
    // button (OK, else Cancel or No).
    int message_box(const fw::MessageBoxRequest& request) override;
    // The files written, in order.
    const std::vector<std::string>& written() const { return m_written; }
    // False when a picture could not be taken or written, or the program ended first.
    bool succeeded() const { return m_succeeded && m_step == Step::Done; }

private:
    enum class Step { Start, OpenSheet, ShowPage, Done };
    void take_step();
    void save_page();
    void finish();

    qtview::QtPresenter& m_desktop;
    std::string m_folder;
    Step m_step = Step::Start;
    std::uint64_t m_next_ms = 0;
    std::uint64_t m_open_deadline_ms = 0;
    int m_page = 0;
    std::vector<std::string> m_written;
    bool m_succeeded = true;
};

}  // namespace zephra_app
