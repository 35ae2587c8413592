#include <gtest/gtest.h>

#include "range_grammar.h"

using Items = std::vector<std::string>;

TEST(StringList, Parse) {
    struct Case {
        const char* text;
        Items items;
        const char* rendered;
    };
    const Case cases[] = {
        {"off;on;", {"off", "on"}, "off;on;"},
        {"off;on", {"off", "on"}, "off;on;"},
        {"", {""}, ";"},
        {";", {""}, ";"},
        {";;", {"", ""}, ";;"},
        {"a;;b", {"a", "", "b"}, "a;;b;"},
        {" x ; y ", {" x ", " y "}, " x ; y ;"},  // blanks are kept
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Items items = quillon::ParseStringList(c.text);
        EXPECT_EQ(items, c.items);
        EXPECT_EQ(quillon::StringListText(items), c.rendered);
    }
}

TEST(StringList, IndexOf) {
    struct Case {
        Items items;
        const char* value;
        std::uint32_t index;
    };
    const Case cases[] = {
        {{"off", "on"}, "ON", 1},  // found by the case-insensitive pass
        {{"off", "on"}, "on", 1},
        {{"off", "on"}, "o", 0},   // no prefix matching
        {{"off", "on"}, "", 0},
        {{"On", "on"}, "on", 1},   // an exact match beats an earlier folded one
        {{"ON", "on"}, "On", 0},   // else the first folded match
        {{"x", "\xE4"}, "\xC4", 0},  // only ASCII letters fold
        {{"a", ""}, "", 1},
        {{}, "a", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(quillon::StringIndexOf(c.items, c.value), c.index);
    }
}

TEST(TweakMap, Entries) {
    struct Case {
        const char* map;
        std::uint32_t index;
        const char* entry;
    };
    const Case cases[] = {
        {"Off;On", 0, "Off"},
        {"Off;On", 1, ""},  // no closing ';': not an entry
        {"Off;On;", 1, "On"},
        {"Off;On;", 2, ""},
        {"", 0, ""},
        {";x;", 0, ""},
        {";x;", 1, "x"},
        {"a;b;", 0xFFFFFFFFu, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.map) + " #" + std::to_string(c.index));
        EXPECT_EQ(quillon::TweakMapEntry(c.map, c.index), c.entry);
    }
}
