// The display device's registry key as a root and a subkey.
#include "device_key.h"

#include <gtest/gtest.h>

using namespace displaykey;

TEST(DeviceKey, NtAnd9xFormsAndWhatDoesNotFit) {
    struct Case {
        const char* deviceKey;
        const char* parameter;
        Root root;
        const char* subKey;
    } cases[] = {
        {"\\Registry\\Machine\\System\\CurrentControlSet\\Control\\Video\\{1234}\\0000", "",
         Root::LocalMachine, "System\\CurrentControlSet\\Control\\Video\\{1234}\\0000"},
        {"\\REGISTRY\\MACHINE\\System\\Video\\0000\\", "UMD", Root::LocalMachine, "System\\Video\\0000\\UMD"},
        {"System\\CurrentControlSet\\Services\\Class\\Display\\0000", "", Root::LocalMachine,
         "System\\CurrentControlSet\\Services\\Class\\Display\\0000"},
        {"\\Registry\\User\\S-1-5\\Software", "", Root::None, ""},
        {"\\Device\\Video0", "", Root::None, ""},
        {"", "", Root::None, ""},
        {"\\Registry\\Machine\\", "", Root::None, ""},
    };
    for (const Case& c : cases) {
        RegistryKey key = SplitDeviceKey(c.deviceKey, c.parameter);
        EXPECT_EQ(key.root, c.root) << c.deviceKey;
        EXPECT_EQ(key.subKey, c.subKey) << c.deviceKey;
    }
    EXPECT_EQ(SplitDeviceKey("\\Registry\\Machine\\" + std::string(255, 'k'), "").subKey.size(), 255u);
    EXPECT_EQ(SplitDeviceKey("\\Registry\\Machine\\" + std::string(250, 'k'), "params").root, Root::None)
        << "a subkey over 255 characters does not fit the caller's buffer";
}
