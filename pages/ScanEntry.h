#pragma once
// One network of the Wireless Network page's scan table.

#include "framework/CString.h"

struct ScanEntry {
    int nIndex = -1;        // position in the table
    int nChannel = 0;
    int nSignal = 0;        // quality 0..100
    int nMode = -1;         // as the driver reports it: 0 ad hoc, 1 infrastructure, 2 automatic
    int nPrivacy = -1;      // 1: WEP required
    CString strSsid;
    CString strBssid;       // "02 4C 4B 00 06 01"
    CString strBssidColon;  // "02:4C:4B:00:06:01"
};
