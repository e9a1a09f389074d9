#include "apps/zephra/MeasureMarks.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace zephra_app {

namespace {
const char* LaunchTime() { return std::getenv("ZEPHRA_MEASURE_T0"); }
}  // namespace

bool Measuring()
{
    // Asked on every turn of the loop: the environment is read once.
    static const bool measuring = LaunchTime() != nullptr && *LaunchTime() != '\0';
    return measuring;
}

void MeasureMark(const char* name)
{
    if (!Measuring())
        return;
    static std::set<std::string> marked;
    if (!marked.insert(name).second)
        return;
    const auto now_ns = std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::system_clock::now().time_since_epoch()).count();
    const double ms = static_cast<double>(now_ns - std::strtoll(LaunchTime(), nullptr, 10)) / 1e6;
    std::fprintf(stderr, "zephra-measure: %s %.1f\n", name, ms);
    std::fflush(stderr);
}

}  // namespace zephra_app
