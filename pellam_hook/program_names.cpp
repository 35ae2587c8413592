#include "program_names.h"

#include "hook_state.h"
#include "name_list.h"
#include "registry.h"

#include "companion_settings.h"

#include <string>
#include <vector>

namespace pellamhook {
namespace {

const char* const kGameValueKeys[] = {pellam::kGameGammaKey, pellam::kGameSoundKey, pellam::kGameProfileKey,
                                      pellam::kGameOverclockingKey};
constexpr DWORD kExcludeBytes = 4094;
// A reader that keeps meeting a write in progress gives up and reads the
// registry instead.
constexpr int kReadAttempts = 64;

std::vector<std::string> RegistryExcluded() {
    winlib::RegistryKey key;
    std::vector<std::string> names;
    if (key.Open(HKEY_CURRENT_USER, pellam::kSuiteKey, KEY_QUERY_VALUE) != ERROR_SUCCESS ||
        !key.QueryMultiString("Exclude", names, kExcludeBytes))
        names.clear();
    return names;
}

std::vector<std::string> RegistryStoredNames() {
    std::vector<std::string> names;
    for (const char* path : kGameValueKeys) {
        winlib::RegistryKey key;
        if (key.Open(HKEY_CURRENT_USER, path, KEY_QUERY_VALUE) != ERROR_SUCCESS) continue;
        std::string name;
        for (DWORD index = 0; key.EnumValue(index, name); ++index) names.push_back(name);
    }
    return names;
}

LONG ReadSequence() { return ::InterlockedCompareExchange(&g_shared.names.sequence, 0, 0); }

// The answer of one list while no write is in progress; Unknown when the
// lists are not known or a write kept interfering.
ListAnswer SharedAnswer(const char* list, size_t size, const char* exeName) {
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        LONG before = ReadSequence();
        if (before & 1) {
            ::Sleep(0);
            continue;
        }
        if (!g_shared.names.known) return ListAnswer::Unknown;
        ListAnswer answer = NameListHas(list, size, exeName);
        if (ReadSequence() == before) return answer;
    }
    return ListAnswer::Unknown;
}

}  // namespace

bool Excluded(const char* exeName) {
    ListAnswer shared = SharedAnswer(g_shared.names.excluded, sizeof g_shared.names.excluded, exeName);
    if (shared != ListAnswer::Unknown) return shared == ListAnswer::Yes;
    for (const std::string& name : RegistryExcluded())
        if (::lstrcmpiA(name.c_str(), exeName) == 0) return true;
    return false;
}

bool MayHaveStoredValues(const char* exeName) {
    return SharedAnswer(g_shared.names.stored, sizeof g_shared.names.stored, exeName) != ListAnswer::No;
}

void RenewProgramNames(bool watched) {
    std::vector<std::string> excluded = watched ? RegistryExcluded() : std::vector<std::string>();
    std::vector<std::string> stored = watched ? RegistryStoredNames() : std::vector<std::string>();
    // Writers take the odd sequence number; readers wait while it is odd.
    SharedProgramNames& names = g_shared.names;
    for (;;) {
        LONG sequence = ReadSequence();
        if (!(sequence & 1) && ::InterlockedCompareExchange(&names.sequence, sequence + 1, sequence) == sequence)
            break;
        ::Sleep(0);
    }
    bool fits = WriteNameList(excluded, names.excluded, sizeof names.excluded);
    fits = WriteNameList(stored, names.stored, sizeof names.stored) && fits;
    names.known = watched && fits ? 1 : 0;
    ::InterlockedIncrement(&names.sequence);
}

}  // namespace pellamhook
