#include "driver/PrtUtil.h"
#include "driver/StatusText.h"

void CPrtUtil::BytesToHex(char* buffer, int count) { hex_text::BytesToHex(buffer, count); }
void CPrtUtil::HexToBytes(char* buffer, int count) { hex_text::HexToBytes(buffer, count); }
DWORD CPrtUtil::HexValue(const char* text) { return hex_text::HexValue(text); }
