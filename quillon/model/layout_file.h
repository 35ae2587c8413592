// The tab layout file "Tabs.stream": uint32 list style, int32 shown count,
// int32 hidden count, that many tab records (uint32 type tag, then a
// category's name and category record, or a plug-in's file name), int32
// current shown index, string animation file, uint8 start-with-Windows flag.
//
// The reader keeps everything before a damaged part: the program starts with
// it. Loading the plug-ins and placing the tabs is the caller's business.
#pragma once

#include "byte_io.h"
#include "category_record.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillon {

struct LayoutTab {
    std::uint32_t type = kTabTypeCategory;
    std::string name;         // a category's name
    CategoryRecord category;  // a category's record
    std::string pluginFile;   // a plug-in's file name

    bool operator==(const LayoutTab& o) const {
        return type == o.type && name == o.name && category == o.category &&
               pluginFile == o.pluginFile;
    }
};

bool ReadLayoutTab(ByteReader& in, LayoutTab& out);
// Rejects a type it does not know, like the reader.
bool WriteLayoutTab(ByteWriter& out, const LayoutTab& tab);

struct Layout {
    std::uint32_t listStyle = 0;
    // The first shownCount tabs were on the tab bar, the others hidden.
    std::size_t shownCount = 0;
    std::vector<LayoutTab> tabs;
    std::int32_t currentIndex = -1;  // into the shown tabs; -1 none
    std::string animation;
    bool startWithWindows = false;

    bool operator==(const Layout& o) const {
        return listStyle == o.listStyle && shownCount == o.shownCount && tabs == o.tabs &&
               currentIndex == o.currentIndex && animation == o.animation &&
               startWithWindows == o.startWithWindows;
    }
};

enum class LayoutRead {
    NoHeader,  // not even the counts: nothing to apply
    Damaged,   // what came before the damage; the fields after it stay default
    Complete,
};

// A record of an unknown type has a length nothing can tell: the tabs end
// there and nothing after it is read.
LayoutRead ReadLayout(ByteReader& in, Layout& out);
bool WriteLayout(ByteWriter& out, const Layout& layout);
// A whole file's bytes; the bytes of a layout, false when one would not
// read back (a tab of unknown type, an over-long name).
LayoutRead ReadLayout(const std::vector<std::uint8_t>& bytes, Layout& out);
bool LayoutBytes(const Layout& layout, std::vector<std::uint8_t>& bytes);

}  // namespace quillon
