#include "record_samples.h"

#include "root_key_table.h"

namespace quillon_test {

using namespace quillon;

SettingRecord SampleDWordSetting() {
    SettingRecord s;
    s.type = kSettingTypeDWord;
    s.name = "Anisotropic filtering";
    s.comment = "Quality level";
    s.valueName = "AnisoLevel";
    s.value = 5;
    s.valueCount = 4;
    s.triples = {0, 10, 5, 20, 20, 1};
    s.tweakMap = "Off;Low;High;Max;";
    return s;
}

SettingRecord SampleStringSetting() {
    SettingRecord s;
    s.type = kSettingTypeString;
    s.name = "Vertical sync";
    s.comment = "";
    s.valueName = "VSyncMode";
    s.rangeText = "off;on;";
    s.stringValue = "on";
    s.tweakMap = "Disabled;Enabled;";
    return s;
}

CategoryRecord SampleStaticCategory() {
    CategoryRecord c;
    c.sortColumn = 2;
    c.sortAscending = 0;
    c.cardMask = 0x8000000000000005ull;
    c.osMask = 0x0000000Au;
    c.key.root = kRootLocalMachine;
    c.key.subKey = "SOFTWARE\\Vendor\\Display\\0000";
    c.settings = {SampleDWordSetting(), SampleStringSetting()};
    c.columnWidths = {{150, 60, -1, 0, 300}};
    c.textColor = 0x00112233u;
    c.textBkColor = kColorNone;
    c.bkColor = 0x00FFFFFFu;
    c.bkImage = "C:\\Quillon\\default.jpg";
    c.bkImageTiled = 1;
    return c;
}

CategoryRecord SampleDynamicCategory() {
    CategoryRecord c;
    c.key.dynamic = true;
    c.key.dllFile = "CardKey.dll";
    c.key.parameter = "OpenGL";
    c.settings = {SampleStringSetting()};
    return c;
}

CategoryExportRecord SampleExport() {
    CategoryExportRecord e;
    e.key.root = kRootCurrentUser;
    e.key.subKey = "Software\\Vendor\\Direct3D";
    e.body.cardMask = 0x3;
    e.body.osMask = 0xFFFFFFFFu;
    e.body.settings = {SampleStringSetting(), SampleDWordSetting()};
    return e;
}

CategoryValuesRecord SampleValues() {
    CategoryValuesRecord v;
    v.key.dynamic = true;
    v.key.dllFile = "CardKey.dll";
    v.key.parameter = "Direct3D";
    SettingValueRecord a;
    a.type = kSettingTypeDWord;
    a.present = true;
    a.valueName = "AnisoLevel";
    a.dwordValue = 0xFFFFFFFFu;
    SettingValueRecord b;
    b.type = kSettingTypeString;
    b.present = true;
    b.valueName = "VSyncMode";
    b.stringValue = "off";
    SettingValueRecord c;
    c.type = kSettingTypeString;
    c.present = false;
    c.valueName = "Removed";
    v.values = {a, b, c};
    return v;
}

}  // namespace quillon_test
