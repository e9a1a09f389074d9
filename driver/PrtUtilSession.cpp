#include <cstring>

#include "driver/PrtUtil.h"

void CPrtUtil::CopyInstanceKey()
{
    // A 9x driver key is a four-character class prefix and the four-digit instance number.
    std::memcpy(m_szInstanceKey, m_szDriverKey + 4, 4);
    m_szInstanceKey[4] = '\0';
}

int CPrtUtil::OpenSession()
{
    m_bBound = 0;
    m_bDriverOpen = 0;
    if (m_nOsKind == 1) {
        if (OpenDriver9x() == -1)
            return 1;
        if (FindAdapter() == 1 && FindDevice9x() == 1) {
            CopyInstanceKey();
            BindAdapter9x();
        }
    } else if (m_nOsKind == 2 || m_nOsKind == 4) {
        auto close = [this] { return m_nOsKind == 2 ? CloseDriverNt() : CloseDriverXp(); };
        if (OpenDriverNt() == -1) {
            close();
            return 1;
        }
        if (m_nServiceState == -1) {
            // Already running: start the driver afresh (on XP the unbind decides).
            if (close() == -1)
                return 1;
            if (OpenDriverNt() == -1)
                return 1;
        }
        if (FindAdapter() == 1 && FindDeviceNt() == 1)
            BindAdapterNt();
    }
    return 1;
}

int CPrtUtil::RefreshBinding()
{
    if (m_nOsKind == 3)
        return 0;
    if (m_nOsKind != 1 && m_nOsKind != 2 && m_nOsKind != 4)
        return 1;
    if (m_bBound == 1 && QueryUnbindEvent() == 1)
        m_bBound = 0;

    if (m_nOsKind == 1) {
        if (FindAdapter() != 1) {
            m_bBound = 0;
            return 1;
        }
        if (m_bBound == 1)
            return 1;
        if (m_bDriverOpen == 0) {
            int opened = OpenDriver9x();
            if (opened == -1)
                return -1;
            if (opened != 1)
                return 0;
        }
        if (FindDevice9x() != 1)
            return -1;
        CopyInstanceKey();
        if (BindAdapter9x() == -1)
            return -1;
        QueryIpConfig();
        return 1;
    }

    if (FindAdapter() != 1) {
        m_bBound = 0;
        if (m_bDriverOpen == 1)
            CloseDriverNt();
        return 1;
    }
    if (m_bDriverOpen == 0) {
        int opened = OpenDriverNt();
        if (opened == -1)
            return -1;
        if (opened != 1)
            return 0;
    }
    if (FindDeviceNt() != 1)
        return -1;
    if (m_bBound == 0) {
        if (BindAdapterNt() == -1)
            return -1;
        QueryIpConfig();
    }
    return 1;
}

int CPrtUtil::CloseSession()
{
    if (m_nOsKind == 1)
        CloseDriver9x();
    else if (m_nOsKind == 2)
        CloseDriverNt();
    else if (m_nOsKind == 4)
        CloseDriverXp();
    return 1;
}
