// PENDING: the registry layer has not landed on this branch yet. Until it does, nothing is
// stored or read back; PageWirelessProfiles.cpp replaces this file when it lands.
#include "pages/PageWireless.h"

void CPageWireless::EnsureRegistryKeys(CString) {}
BOOL CPageWireless::ProfileExists(CString) { return FALSE; }
DWORD CPageWireless::ReadProfileDword(CString, CString) { return 0; }
CString CPageWireless::ReadProfileString(CString, CString) { return CString(); }
void CPageWireless::SaveProfile() {}
void CPageWireless::WriteDriverNetworkParams(BOOL) {}
