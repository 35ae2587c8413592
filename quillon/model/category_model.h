// The data of one category: its registry key, its ordered settings, target
// platform and view style, with the operations that tie them to the registry
// and to the three records a category travels in. The list control only
// shows this data.
#pragma once

#include "byte_io.h"
#include "category_record.h"
#include "setting.h"

#include <windows.h>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct CategoryKey {
    HKEY root = nullptr;
    std::string subKey;
    bool dynamic = false;
    std::string dllFile;
    std::string parameter;

    // The short root prefix immediately followed by the subkey ("HKLM\..").
    std::string KeyPathText() const;
    quillon::CategoryKeyRecord ToRecord() const;
    static CategoryKey FromRecord(const quillon::CategoryKeyRecord& record);
    // Recomputes root and subKey of a dynamic key; a failed lookup keeps them.
    void Resolve();
};

class CategoryModel {
public:
    CategoryModel();  // the defaults of a new category
    CategoryModel(const CategoryModel&) = delete;
    CategoryModel& operator=(const CategoryModel&) = delete;

    // Replaces everything by a Tabs.stream category record, reading the
    // current values from the registry. On bad input nothing changes.
    bool Assign(const quillon::CategoryRecord& record);
    // A database export record (key, masks, settings).
    quillon::CategoryExportRecord ToExportRecord() const;
    // Profile values record: key, then each setting's value record.
    bool WriteValues(quillon::ByteWriter& out) const;

    // Whether the setting of this name, already here but different, is to
    // be overwritten by the incoming one (the user is asked).
    using OverwriteQuestion = std::function<bool(const std::string& settingName)>;

    // Merges masks and settings of a database export record (the part after
    // its key) into this category. A setting whose value name matches one
    // already here (ignoring case) replaces it only when it differs and
    // 'overwrite' says yes; others are appended. False on a setting that
    // cannot be made.
    bool Merge(const quillon::CategoryExportBody& body, const OverwriteQuestion& overwrite);

    // What Merge would do with 'body', nothing changed: per incoming
    // setting that would be appended or that differs from the one it meets
    // (replaced only if the user says yes), its name.
    struct MergeChange {
        std::string setting;
        bool added;
    };
    std::vector<MergeChange> MergeChanges(const quillon::CategoryExportBody& body) const;

    // Resolves a dynamic key, creates the key if missing and re-reads every value.
    void Refresh();

    // Applies a profile's value records to 'key' (no handle: silent failures).
    // Records before a damaged one stay applied; returns false at the damage.
    static bool ApplyValues(quillon::ByteReader& in, HKEY key,
                            std::size_t maxString = quillon::kMaxRecordString);
    static bool SkipValues(quillon::ByteReader& in,
                           std::size_t maxString = quillon::kMaxRecordString);

    quillon::CategoryRecord ToRecord() const;

    CategoryKey key;
    std::vector<std::unique_ptr<Setting>> settings;
    uint8_t sortAscending = 1;
    int32_t sortColumn = 0;
    uint64_t cardMask = 0;
    uint32_t osMask = 0;
    std::array<int32_t, 5> columnWidths{{160, 70, 160, 50, 140}};
    COLORREF textColor = 0x0000FFFF;
    COLORREF textBkColor = quillon::kColorNone;
    COLORREF bkColor = quillon::kColorNone;
    std::string bkImage;
    uint32_t bkImageTiled = 0;
};
