#pragma once
// User input waiting to be fed to the framework. Qt's signal handlers only queue it; the
// presenter runs it from the framework's loop, so no framework code runs inside a widget's
// signal and no widget is destroyed while it is emitting.

#include <deque>
#include <functional>

namespace qtview {

class InputQueue {
public:
    void push(std::function<void()> input) { m_inputs.push_back(std::move(input)); }
    bool empty() const { return m_inputs.empty(); }
    // Runs what is queued, including what the inputs queue on the way. An input may start a
    // nested loop that runs this again: each input is taken off before it runs. False when
    // there was nothing to run.
    bool run_all();

private:
    std::deque<std::function<void()>> m_inputs;
};

}  // namespace qtview
