#include "qtview/SignalWake.h"

#include <atomic>
#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>

namespace qtview {

namespace {
std::atomic<int> g_write_end{-1};
}  // namespace

void WakeFromSignal()
{
    const int fd = g_write_end.load();
    if (fd >= 0) {
        const char byte = 1;
        // A full pipe already holds a wake.
        [[maybe_unused]] const ssize_t written = ::write(fd, &byte, 1);
    }
}

SignalWake::SignalWake(std::function<void()> woken)
{
    int ends[2];
    if (::pipe2(ends, O_NONBLOCK | O_CLOEXEC) != 0)
        return;
    m_read = ends[0];
    m_write = ends[1];
    g_write_end.store(m_write);
    m_notifier = new QSocketNotifier(m_read, QSocketNotifier::Read);
    QObject::connect(m_notifier, &QSocketNotifier::activated, [this, woken = std::move(woken)] {
        char drained[64];
        while (::read(m_read, drained, sizeof drained) > 0) {
        }
        woken();
    });
}

SignalWake::~SignalWake()
{
    if (g_write_end.load() == m_write)
        g_write_end.store(-1);
    delete m_notifier;
    if (m_read >= 0)
        ::close(m_read);
    if (m_write >= 0)
        ::close(m_write);
}

}  // namespace qtview
