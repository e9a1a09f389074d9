#pragma once
// The protocol driver's devices, service and device-control codes.

#include "platform/WinTypes.h"

constexpr const char* PRT_DEVICE_9X = "\\\\.\\zmux19x.vxd";
constexpr const char* PRT_DEVICE_NT = "\\\\.\\ZMUX1W2K";
constexpr const char* PRT_SERVICE_NAME = "ZMUX1W2K";
constexpr const char* PRT_BIND_PREFIX = "\\Device\\";

constexpr DWORD IOCTL_PRT_QUERY_OID = 0x80000000;
constexpr DWORD IOCTL_PRT_SET_OID = 0x80000004;
constexpr DWORD IOCTL_PRT_UNBIND_EVENT = 0x8000001C;
constexpr DWORD IOCTL_PRT_BIND = 0x80000020;
constexpr DWORD IOCTL_PRT_UNBIND = 0x80000028;
