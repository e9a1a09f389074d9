#pragma once
// The WEP key set of the network the Wireless Network page is setting up.

#include "framework/CString.h"

// The kind of a key follows from its length alone.
enum WepKeyKind {
    WEP_KEY_ASCII_40 = 0,   // 5 characters
    WEP_KEY_HEX_40 = 1,     // 10 hex digits
    WEP_KEY_ASCII_104 = 2,  // 13 characters
    WEP_KEY_HEX_104 = 3,    // 26 hex digits
    WEP_KEY_NONE = 9,
};

// WEP requirement codes, as the adapter's driver reads them.
constexpr int WEP_REQ_NONE = 0;
constexpr int WEP_REQ_40 = 3;
constexpr int WEP_REQ_104 = 7;

constexpr int WEP_KEY_SLOTS = 4;

struct WepSettings {
    int nDefaultKey = 0;  // key index 0..3, the transmit key
    int bAuto = 0;        // keys provided automatically
    CString strKey[WEP_KEY_SLOTS];
    int nKeyType[WEP_KEY_SLOTS] = {WEP_KEY_NONE, WEP_KEY_NONE, WEP_KEY_NONE, WEP_KEY_NONE};
    int nWepReq = WEP_REQ_NONE;
};

// The kind of a key text of `length` characters.
int WepKeyKindOfLength(int length);
// A 104-bit kind (2 or 3)?
bool IsWepKey104(int kind);
// The requirement code of a key kind: 3, 7, or 0 for no key.
int WepRequirementOf(int kind);
// What the key edit shows for a stored key: one asterisk per character of a valid key,
// nothing for any other length.
CString WepKeyMask(int length);
