#include <gtest/gtest.h>

#include "platform/Kernel.h"
#include "platform/SetupApi.h"
#include "support/MachineFixture.h"
#include "support/ScriptedAdapter.h"

TEST(SetupApi, EnumeratesPresentNetworkDevicesWithTheirProperties)
{
    zephra_test::MachineFixture f;
    HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVCLASS_NET, nullptr, nullptr, DIGCF_PRESENT);
    ASSERT_NE(set, INVALID_HANDLE_VALUE);
    SP_DEVINFO_DATA data{};
    EXPECT_FALSE(SetupDiEnumDeviceInfo(set, 0, &data));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_USER_BUFFER);
    data.cbSize = sizeof data;
    ASSERT_TRUE(SetupDiEnumDeviceInfo(set, 1, &data));
    EXPECT_EQ(data.ClassGuid, GUID_DEVCLASS_NET);

    char text[255];
    DWORD required = 0;
    ASSERT_TRUE(SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_SERVICE, nullptr, reinterpret_cast<BYTE*>(text),
                                                  sizeof text, &required));
    EXPECT_STREQ(text, "QTND23");
    char small[4] = "abc";
    EXPECT_FALSE(SetupDiGetDeviceRegistryPropertyA(set, &data, SPDRP_DRIVER, nullptr, reinterpret_cast<BYTE*>(small),
                                                   sizeof small, &required));
    EXPECT_EQ(GetLastError(), ERROR_INSUFFICIENT_BUFFER);
    EXPECT_EQ(required, 44u);
    EXPECT_STREQ(small, "abc");
    ASSERT_TRUE(SetupDiGetDeviceInstanceIdA(set, &data, text, sizeof text, nullptr));
    EXPECT_EQ(std::string(text), f.machine.scenario().class_devices[1].instance_id);

    EXPECT_FALSE(SetupDiEnumDeviceInfo(set, 2, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_MORE_ITEMS);
    EXPECT_TRUE(SetupDiDestroyDeviceInfoList(set));
    EXPECT_FALSE(SetupDiDestroyDeviceInfoList(set));
}

TEST(SetupApi, PropertyChangeRestartsTheAdapter)
{
    zephra_test::MachineFixture f;
    zephra_test::ScriptedAdapter::Shared adapter;
    f.machine.set_adapter(std::make_unique<zephra_test::ScriptedAdapter>(adapter));
    HDEVINFO set = SetupDiGetClassDevsA(&GUID_DEVCLASS_NET, nullptr, nullptr, DIGCF_PRESENT);
    SP_DEVINFO_DATA data{};
    data.cbSize = sizeof data;
    ASSERT_TRUE(SetupDiEnumDeviceInfo(set, 1, &data));
    EXPECT_FALSE(SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_CLASSINSTALL_PARAMS);

    SP_PROPCHANGE_PARAMS params{{sizeof(SP_CLASSINSTALL_HEADER), DIF_PROPERTYCHANGE}, DICS_PROPCHANGE, DICS_FLAG_GLOBAL, 0};
    ASSERT_TRUE(SetupDiSetClassInstallParamsA(set, &data, &params.ClassInstallHeader, sizeof params));
    EXPECT_TRUE(SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set, &data));
    EXPECT_EQ(adapter.restarts, 1);

    // A device that has gone since the set was taken cannot be restarted.
    f.machine.remove_adapter();
    EXPECT_FALSE(SetupDiCallClassInstaller(DIF_PROPERTYCHANGE, set, &data));
    EXPECT_EQ(GetLastError(), ERROR_NO_SUCH_DEVINST);
    SetupDiDestroyDeviceInfoList(set);
}
