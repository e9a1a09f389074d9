#include "platform/Kernel.h"

namespace {
thread_local DWORD t_last_error = 0;
}

DWORD GetLastError() { return t_last_error; }
void SetLastError(DWORD error) { t_last_error = error; }
