#include "qtview/InputQueue.h"

namespace qtview {

bool InputQueue::run_all()
{
    const bool any = !m_inputs.empty();
    while (!m_inputs.empty()) {
        std::function<void()> input = std::move(m_inputs.front());
        m_inputs.pop_front();
        input();
    }
    return any;
}

}  // namespace qtview
