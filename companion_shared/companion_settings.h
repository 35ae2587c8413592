// The companion's configuration: the 26-value block that Pellam hands to the
// hook library's Install, and the schema of HKEY_CURRENT_USER "Software\Pellam
// Suite" it is read from. Shared by Pellam, the hook library and Quillon's
// companion dialogs, so every value name and default is written here once.
// No Windows headers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace pellam {

// Pellam's hidden window, found by Quillon to close it before an update.
constexpr char kWindowClass[] = "Pellam Class";
constexpr char kWindowTitle[] = "Pellam";

// Registry key paths under HKEY_CURRENT_USER.
constexpr char kSuiteKey[] = "Software\\Pellam Suite";
constexpr char kGameProfileKey[] = "Software\\Pellam Suite\\Game Profile";
constexpr char kGameOverclockingKey[] = "Software\\Pellam Suite\\Game Overclocking";
constexpr char kGameGammaKey[] = "Software\\Pellam Suite\\Game Gamma";
constexpr char kGameSoundKey[] = "Software\\Pellam Suite\\Game Sound";
// DWORD 1 per executable whose auto-profile is undone when the game ends.
constexpr char kGameProfileUndoKey[] = "Software\\Pellam Suite\\Game Profile Undo";
constexpr char kDisplayModesKey[] = "Software\\Pellam Suite\\Custom Display Modes\\Modes";
constexpr char kOverclockerKey[] = "Software\\Pellam Suite\\ATI Radeon Overclocker";

// Index of each entry of the block. The order is shared with the hook
// library's copy, so it must never change.
enum SettingIndex : int {
    kDebug = 0,
    kPatch,
    kRecursivePatch,
    kUnPatch,
    kDoProfiles,
    kDoOverclocking,
    kDoGamma,
    kDoSound,
    kDoDesktopDisplayChange,
    kSoundUpHotKey,
    kSoundDownHotKey,
    kSoundResetHotKey,
    kGammaUpHotKey,
    kGammaDownHotKey,
    kGammaResetHotKey,
    kBrightnessUpHotKey,
    kBrightnessDownHotKey,
    kBrightnessResetHotKey,
    kContrastUpHotKey,
    kContrastDownHotKey,
    kContrastResetHotKey,
    kQuitHotKey,
    kResetHotKey,
    kOverclockResetEvent,  // 23 to 25: event handles of Pellam's process
    kProfileResetEvent,
    kQuitEvent,
    kSettingCount
};
constexpr int kStoredSettingCount = kOverclockResetEvent;  // 23 values from the registry

struct CompanionSettings {
    uint32_t values[kSettingCount];

    uint32_t operator[](int index) const { return values[index]; }
    uint32_t& operator[](int index) { return values[index]; }
};
static_assert(sizeof(CompanionSettings) == 104, "the block is 26 consecutive 32-bit values");

// Numbers of the main key that Pellam keeps beside the block.
enum class CompanionNumber { DoRadeonOverclocking, DoRadeonOverclockingOnRegChange };

// One number of the main key: its value name and the default a reader
// assumes when it is missing or unreadable.
struct NumberValue {
    const char* name;
    uint32_t defaultValue;
};

// The 23 values of the block, in block order.
const NumberValue& StoredSetting(int index);
const NumberValue& ExtraNumber(CompanionNumber which);

// The value names of the main key other than numbers.
constexpr char kLogoBitmapValue[] = "LogoBitmap";
constexpr size_t kLogoBitmapBytes = 260;
// Subkey values.
constexpr char kResetValue[] = "Reset";  // "Game Profile" and "Game Overclocking"
constexpr size_t kCommandBytes = 260;
constexpr char kRefreshRateValue[] = "RefreshRate";
constexpr size_t kRefreshRateBytes = 5;  // so at most four digits
constexpr char kFactorySettingsValue[] = "FactorySettings";
constexpr char kCurrentSettingsValue[] = "CurrentSettings";
constexpr size_t kClockSettingsBytes = 260;
constexpr char kDisableMemorySettingsValue[] = "DisableMemorySettings";  // number, default 0

// Where values come from: the raw bytes of a named value, or nothing when it
// is missing, cannot be read, or does not fit 'capacity' bytes.
using ValueSource =
    std::function<std::optional<std::string>(const char* name, size_t capacity)>;

// A number is read as 4 raw bytes whatever type was stored; anything else
// (missing, longer, shorter) gives the default.
uint32_t DecodeNumber(const std::optional<std::string>& raw, uint32_t defaultValue);
// A REG_SZ as written with its terminating zero: the text up to the first
// zero, or the whole data when it has none.
std::optional<std::string> DecodeText(const std::optional<std::string>& raw);

uint32_t ReadNumber(const ValueSource& source, const NumberValue& value);
std::optional<std::string> ReadText(const ValueSource& source, const char* name,
                                    size_t capacity);

// Fills entries 0 to 22 and reports each of the 25 numbers (the block's and
// the two extras) to 'report' in reading order. Entries 23 to 25 are left as
// they are.
struct ExtraNumbers {
    uint32_t doRadeonOverclocking = 0;
    uint32_t doRadeonOverclockingOnRegChange = 0;
};
using NumberReport = std::function<void(const char* name, uint32_t value)>;
void LoadCompanionSettings(const ValueSource& source, CompanionSettings& settings,
                           ExtraNumbers& extras, const NumberReport& report = nullptr);

// "RefreshRate" of a mode: the decimal rate, or nothing when the value is
// missing, too long for its 5-byte buffer or holds no number.
std::optional<uint32_t> ParseRefreshRate(const std::optional<std::string>& raw);

// The "Custom Display Modes" subkey of a mode: "%s\%d\%d,%d".
std::string DisplayModeKey(uint32_t bitsPerPixel, uint32_t width, uint32_t height);

}  // namespace pellam
