#pragma once
// The request record the protocol driver reads and answers in place: identifier, data
// length, data. The large form carries the scan list and the traffic counters.

#include "platform/WinTypes.h"

constexpr DWORD PRT_REQUEST_HEADER_SIZE = 8;
constexpr DWORD PRT_REQUEST_DATA_SIZE = 100;
constexpr DWORD PRT_LARGE_REQUEST_DATA_SIZE = 3000;

struct PRT_REQUEST {
    ULONG Oid;
    ULONG Length;
    BYTE Data[PRT_REQUEST_DATA_SIZE];
};
static_assert(sizeof(PRT_REQUEST) == 108);

struct PRT_LARGE_REQUEST {
    ULONG Oid;
    ULONG Length;
    BYTE Data[PRT_LARGE_REQUEST_DATA_SIZE];
};
static_assert(sizeof(PRT_LARGE_REQUEST) == 3008);

// The scan list in the large record: a count, then entries at a fixed step.
constexpr DWORD BSSID_LIST_ENTRY_SIZE = 104;
constexpr DWORD BSSID_LIST_MAX_ENTRIES = 28;
