#include <cstdio>
#include <cstring>

#include "driver/PrtIoctl.h"
#include "driver/PrtUtil.h"

int CPrtUtil::BindAdapter9x()
{
    if (!m_pRequest)
        return -1;
    BYTE* data = PrepareRequest(0, 0);
    CopyBytes(data, m_szInstanceKey, sizeof m_szInstanceKey);
    // The 9x driver reads the key from the record although the sizes cover only the header.
    if (!SendRequest(IOCTL_PRT_BIND, m_pRequest, PRT_REQUEST_HEADER_SIZE))
        return -1;
    m_bBound = 1;
    return 1;
}

int CPrtUtil::BindAdapterNt()
{
    if (!m_pRequest)
        return -1;
    char path[256];
    int length = std::snprintf(path, sizeof path, "%s%s", PRT_BIND_PREFIX, m_szAdapterName);
    // The path and its terminator must fit the data field; a longer name cannot be bound.
    if (length < 0 || static_cast<DWORD>(length) + 1 > PRT_REQUEST_DATA_SIZE)
        return -1;
    BYTE* data = PrepareRequest(0, static_cast<DWORD>(length));
    CopyBytes(data, path, length + 1);
    if (!SendRequest(IOCTL_PRT_BIND, m_pRequest, static_cast<DWORD>(length) + PRT_REQUEST_HEADER_SIZE))
        return -1;
    m_bBound = 1;
    return 1;
}

int CPrtUtil::UnbindAdapter()
{
    if (!m_pRequest)
        return -1;
    PrepareRequest(0, 0);
    if (!SendRequest(IOCTL_PRT_UNBIND, m_pRequest, PRT_REQUEST_HEADER_SIZE))
        return -1;
    m_bBound = 0;
    return 1;
}

int CPrtUtil::QueryUnbindEvent()
{
    DWORD answer = 0;
    if (!SendRequest(IOCTL_PRT_UNBIND_EVENT, &answer, sizeof answer))
        return -1;
    return static_cast<int>(answer);
}
