#pragma once
// For scripts/measure.sh: with ZEPHRA_MEASURE_T0 set to the launch time (nanoseconds of the
// real-time clock), the first time each named moment comes a line goes to the error stream:
// "zephra-measure: NAME MS", MS the milliseconds since launch. Without it nothing happens.

namespace zephra_app {

bool Measuring();
void MeasureMark(const char* name);

}  // namespace zephra_app
