#include "apps/zephra/ConsolePresenter.h"

#include "apps/zephra/MeasureMarks.h"
#include "framework/Icon.h"
#include "platform/Time.h"

namespace zephra_app {

void ConsolePresenter::tray_icon_changed(fw::TrayChange change, const fw::TrayIcon& icon)
{
    std::string line;
    if (change == fw::TrayChange::Deleted) {
        line = "tray removed";
    } else {
        const fw::IconData* data = fw::IconOf(icon.icon);
        line = "tray " + std::to_string(data ? data->resource_id : 0) + " \"" + icon.tip + "\"";
    }
    if (line == m_lastLine)
        return;
    m_lastLine = line;
    m_out << line << std::endl;
    MeasureMark("first-line");
}

int ConsolePresenter::message_box(const fw::MessageBoxRequest& request)
{
    m_err << request.caption << ": " << request.text << std::endl;
    return IDOK;
}

void ConsolePresenter::wait_for_events(std::uint64_t deadline_ms) { platform::WaitUntil(deadline_ms); }

}  // namespace zephra_app
