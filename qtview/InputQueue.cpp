#include "qtview/InputQueue.h"

namespace qtview {

void InputQueue::run_all()
{
    while (!m_inputs.empty()) {
        std::function<void()> input = std::move(m_inputs.front());
        m_inputs.pop_front();
        input();
    }
}

}  // namespace qtview
