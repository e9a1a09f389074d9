#pragma once
// The program on a desktop session. Where the desktop has no tray to put the icon in, the
// program could never be opened: it says so once and opens its sheet at start instead.

#include "apps/zephra/ForwardingPresenter.h"

namespace zephra_app {

class DesktopPresenter final : public ForwardingPresenter {
public:
    DesktopPresenter(fw::Presenter& inner, bool tray_available) : ForwardingPresenter(inner), m_open_at_start(!tray_available) {}

    void wait_for_events(std::uint64_t deadline_ms) override;

private:
    bool m_open_at_start;
};

}  // namespace zephra_app
