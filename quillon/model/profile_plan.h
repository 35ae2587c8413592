// What applying a profile would write: the profile file read whole and
// checked before anything is written, each category's key resolved (a
// dynamic key through its key-lookup DLL), and per setting value the
// registry value and the state it gets. Keys that do not exist or cannot
// be resolved get nothing, as profiles never create keys.
#pragma once

#include "category_model.h"
#include "journal_entry.h"

#include <string>
#include <vector>

// Strings in a profile are at most this long: readers keep them in fixed
// buffers.
constexpr std::size_t kMaxProfileString = 251;

// Whether the key's strings fit a profile's fixed buffers.
bool KeyFitsProfile(const quillon::CategoryKeyRecord& key);

struct ProfilePlan {
    std::vector<CategoryKey> keys;  // every record's key, for refreshing what is shown
    std::vector<quillon::JournalValue> values;
};

enum class PlanResult { Ready, NotFound, Damaged };

// Reads the profile at 'path'; 'error' says what is wrong with a damaged one.
PlanResult PlanProfile(const std::string& path, ProfilePlan& plan, std::string& error);

// The journal entry that applies the plan, titled with the profile's name
// and tagged with the game whose start applies it (or nothing).
quillon::JournalEntry ProfileChange(const std::string& profileName, const ProfilePlan& plan,
                                    const std::string& tag = std::string());
