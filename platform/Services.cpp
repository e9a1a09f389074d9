#include "platform/Services.h"
#include "platform/OpenHandles.h"

#include <map>
#include <memory>
#include <string>

#include "machine/MachinePort.h"
#include "platform/CurrentMachine.h"
#include "platform/Kernel.h"

namespace {

struct ServiceObject {
    bool manager = false;
    std::string name;
    DWORD access = 0;
};

std::map<SC_HANDLE, std::unique_ptr<ServiceObject>>& objects()
{
    static std::map<SC_HANDLE, std::unique_ptr<ServiceObject>> table;
    return table;
}

SC_HANDLE add(std::unique_ptr<ServiceObject> object)
{
    auto handle = reinterpret_cast<SC_HANDLE>(object.get());
    objects()[handle] = std::move(object);
    return handle;
}

ServiceObject* find(SC_HANDLE handle, bool manager)
{
    auto it = objects().find(handle);
    if (it == objects().end() || it->second->manager != manager) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    return it->second.get();
}

// The service opened with `needed` access, or null with the last error set.
ServiceObject* service_with(SC_HANDLE handle, DWORD needed)
{
    ServiceObject* service = find(handle, false);
    if (service && (service->access & needed) != needed) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return service;
}

bool fill_status(const std::string& name, LPSERVICE_STATUS status)
{
    machine::ServiceQuery query = platform::CurrentMachine().query_service(name);
    if (query.error) {
        SetLastError(query.error);
        return false;
    }
    auto state = static_cast<DWORD>(query.state);
    *status = {SERVICE_KERNEL_DRIVER, state, state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP : 0, NO_ERROR, 0, 0,
               state == SERVICE_START_PENDING ? 2000u : 0u};
    return true;
}

}  // namespace

SC_HANDLE OpenSCManagerA(LPCSTR machineName, LPCSTR, DWORD desiredAccess)
{
    if (machineName && *machineName) {
        SetLastError(ERROR_INVALID_NAME);
        return nullptr;
    }
    auto object = std::make_unique<ServiceObject>();
    object->manager = true;
    object->access = desiredAccess;
    return add(std::move(object));
}

SC_HANDLE OpenServiceA(SC_HANDLE manager, LPCSTR serviceName, DWORD desiredAccess)
{
    if (!find(manager, true))
        return nullptr;
    if (!serviceName) {
        SetLastError(ERROR_INVALID_NAME);
        return nullptr;
    }
    if (DWORD error = platform::CurrentMachine().open_service(serviceName)) {
        SetLastError(error);
        return nullptr;
    }
    auto object = std::make_unique<ServiceObject>();
    object->name = serviceName;
    object->access = desiredAccess;
    return add(std::move(object));
}

BOOL StartServiceA(SC_HANDLE service, DWORD, LPCSTR*)
{
    ServiceObject* object = service_with(service, SERVICE_START);
    if (!object)
        return FALSE;
    if (DWORD error = platform::CurrentMachine().start_service(object->name)) {
        SetLastError(error);
        return FALSE;
    }
    return TRUE;
}

BOOL QueryServiceStatus(SC_HANDLE service, LPSERVICE_STATUS status)
{
    ServiceObject* object = service_with(service, SERVICE_QUERY_STATUS);
    if (!object)
        return FALSE;
    if (!status) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return fill_status(object->name, status) ? TRUE : FALSE;
}

BOOL ControlService(SC_HANDLE service, DWORD control, LPSERVICE_STATUS status)
{
    DWORD needed = control == SERVICE_CONTROL_STOP ? SERVICE_STOP : SERVICE_QUERY_STATUS;
    ServiceObject* object = service_with(service, needed);
    if (!object)
        return FALSE;
    if (!status) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (control == SERVICE_CONTROL_STOP) {
        if (DWORD error = platform::CurrentMachine().stop_service(object->name)) {
            SetLastError(error);
            return FALSE;
        }
    } else if (control != SERVICE_CONTROL_INTERROGATE) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    return fill_status(object->name, status) ? TRUE : FALSE;
}

BOOL CloseServiceHandle(SC_HANDLE object)
{
    auto it = objects().find(object);
    if (it == objects().end()) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    objects().erase(it);
    return TRUE;
}

std::size_t platform::OpenServiceHandleCount() { return objects().size(); }
