// Well-formed sample records used by the record tests and by the fuzz seed
// generator.
#pragma once

#include "category_record.h"
#include "setting_record.h"

namespace quillon_test {

quillon::SettingRecord SampleDWordSetting();   // range "0-10:5;20;"
quillon::SettingRecord SampleStringSetting();  // range "off;on;"
quillon::CategoryRecord SampleStaticCategory();
quillon::CategoryRecord SampleDynamicCategory();
quillon::CategoryExportRecord SampleExport();
quillon::CategoryValuesRecord SampleValues();

}  // namespace quillon_test
