#pragma once
// The one gateway to the wireless adapter: opens and binds the protocol driver, carries
// every request in its record, finds the adapter and reads its IP configuration.

#include "driver/PrtRequest.h"
#include "framework/CString.h"
#include "platform/SetupApi.h"
#include "platform/WinTypes.h"

class CPrtUtil {
public:
    CPrtUtil();
    ~CPrtUtil();
    CPrtUtil(const CPrtUtil&) = delete;
    CPrtUtil& operator=(const CPrtUtil&) = delete;

    // Session and transport.
    int GetOsKind();
    int OpenSession();
    int CloseSession();
    int RefreshBinding();
    int OpenDriver9x();
    int CloseDriver9x();
    int OpenDriverNt();
    int CloseDriverNt();
    int CloseDriverXp();
    int BindAdapter9x();
    int BindAdapterNt();
    int UnbindAdapter();
    int QueryUnbindEvent();
    int StartDriverService(LPCSTR serviceName);
    int StopDriverService(LPCSTR serviceName);
    void CopyBytes(void* destination, const void* source, int count);

    // Discovery and IP configuration.
    int FindAdapter();
    int FindDevice9x();
    int FindDeviceNt();
    int QueryIpConfig();
    BOOL RestartDevice();

    // Queries: each stores its answer in the status members.
    void QuerySsid();
    void QueryBssid();
    void QueryNetworkMode();
    DWORD GetNetworkMode();
    void QueryEncryption();
    void QueryBssidList();
    void QueryRssi();
    void QueryPowerMode();
    void QueryMacAddress();
    void QueryChannel();
    void QueryFirmwareVersion();
    void QueryDriverVersion();
    void QueryEepromVersion();
    void QueryStatistics();
    void QueryAuthMode();
    void QueryLinkStatus();

    // Sets: the driver's answer is dropped.
    void SetSsid(LPCSTR ssid);
    void SetNetworkMode(int mode);
    void SetWepStatus(int enable);
    void AddWepKey(const BYTE* keyRecord);
    void StartScan();
    void SetAuthMode(int mode);
    void SetPowerMode(int mode);
    void SetTxRate(int rate);

    // WEP key text conversions, in place.
    void BytesToHex(char* buffer, int count);
    void HexToBytes(char* buffer, int count);
    DWORD HexValue(const char* text);

    HANDLE m_hDriver;
    PRT_REQUEST* m_pRequest;
    PRT_LARGE_REQUEST* m_pLargeRequest;
    HDEVINFO m_hDevInfo;
    SP_DEVINFO_DATA m_devInfoData;
    BYTE m_macAddress[6];
    BYTE m_bssid[6];
    LONG m_nRssi;
    BYTE* m_pBssidList;
    BYTE* m_pStatistics;
    CString m_strSsid;
    CString m_strNetworkMode;
    CString m_strPowerMode;
    CString m_strEncryption;
    CString m_strBssid;
    CString m_strMacAddress;
    CString m_strChannel;
    CString m_strLinkStatus;
    CString m_strAuthMode;
    CString m_strFirmwareVersion;
    CString m_strDriverVersion;
    CString m_strEepromVersion;
    CString m_strDns[2];
    CString m_strAdapterDesc;
    CString m_strIpAddress;
    CString m_strSubnetMask;
    CString m_strGateway;
    char m_szInstanceKey[5];
    char m_szAdapterName[145];
    char m_szInstanceId[255];
    char m_szDeviceDesc[255];
    char m_szService[255];
    char m_szDriverKey[255];
    int m_nServiceState;
    BYTE m_bDriverOpen;
    BYTE m_bBound;
    int m_nOsKind;
    int m_nAdapterModel;

private:
    // The one place a request reaches the driver.
    BOOL SendRequest(DWORD code, void* record, DWORD size);
    // Zero the record, write identifier and length; the data field to fill.
    BYTE* PrepareRequest(DWORD oid, DWORD length);
    BYTE* PrepareLargeRequest(DWORD oid, DWORD length);
    // A query or set: sent only while bound, its outcome not looked at.
    void SendIfBound(DWORD code, DWORD length);
    void SendLargeIfBound(DWORD code, DWORD length);
    const BYTE* Query(DWORD oid, DWORD length);
    DWORD QueryValue(DWORD oid);
    void SetValue(DWORD oid, DWORD value);

    int OpenDriver(LPCSTR device, DWORD flags);
    BOOL CloseDriverHandle();
    int FreeRecords();
    void CopyInstanceKey();
    void CopyAdapterName(const char* name);
    void ShowIpError(const char* format, DWORD error);
};
