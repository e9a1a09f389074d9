#pragma once
// The adapter driver's parameters in its key of the network adapter class: found by the
// adapter's description, read and written as texts. The Advanced and the Wireless Network
// pages share these, so the key is looked up in one place.

#include "framework/CString.h"
#include "platform/WinTypes.h"

class CPrtUtil;

// The DriverDesc of the program's adapter: model 0 the VELTRIX card, any other the KX710.
LPCSTR AdapterDescription(int adapterModel);

// The adapter's driver key below HKEY_LOCAL_MACHINE; "" when no sub-key of the class has
// the adapter's description, so that nothing is ever read from or written to the class
// key itself.
CString DriverKeyPath(CPrtUtil& prtUtil);

// The text of a parameter; "" when the key does not open (full access is asked for, as the
// writer does) or the value cannot be read.
CString ReadDriverParam(CPrtUtil& prtUtil, LPCSTR name);

// Writes a parameter as REG_SZ; a key that does not open, or a failed write, is ignored.
void WriteDriverParam(CPrtUtil& prtUtil, LPCSTR name, LPCSTR value);
