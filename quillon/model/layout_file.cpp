#include "layout_file.h"

#include <utility>

namespace quillon {

bool ReadLayoutTab(ByteReader& in, LayoutTab& out) {
    LayoutTab tab;
    if (!in.ReadU32(tab.type)) return false;
    bool read = false;
    if (tab.type == kTabTypeCategory)
        read = in.ReadString(tab.name) && ReadCategoryRecord(in, tab.category);
    else if (tab.type == kTabTypePlugin)
        read = in.ReadString(tab.pluginFile);
    if (!read) {
        in.Fail();
        return false;
    }
    out = std::move(tab);
    return true;
}

bool WriteLayoutTab(ByteWriter& out, const LayoutTab& tab) {
    ByteWriter w;
    w.WriteU32(tab.type);
    if (tab.type == kTabTypeCategory) {
        w.WriteString(tab.name);
        WriteCategoryRecord(w, tab.category);
    } else if (tab.type == kTabTypePlugin) {
        w.WriteString(tab.pluginFile);
    } else {
        w.Fail();
    }
    return out.Append(w);
}

LayoutRead ReadLayout(ByteReader& in, Layout& out) {
    Layout layout;
    std::int32_t shown = 0, hidden = 0;
    if (!in.ReadU32(layout.listStyle) || !in.ReadI32(shown) || !in.ReadI32(hidden))
        return LayoutRead::NoHeader;
    // A negative count is damage: what follows cannot be told apart from tab
    // records, so nothing after it is read.
    if (shown < 0 || hidden < 0) {
        in.Fail();
        out = std::move(layout);
        return LayoutRead::Damaged;
    }
    const std::int64_t total = static_cast<std::int64_t>(shown) + hidden;
    layout.shownCount = static_cast<std::size_t>(shown);
    for (std::int64_t i = 0; i < total; ++i) {
        LayoutTab tab;
        if (!ReadLayoutTab(in, tab)) break;
        layout.tabs.push_back(std::move(tab));
    }
    // Each field after the tabs is kept when it could be read; a failed read
    // fails every later one, so nothing past damage is taken.
    in.ReadI32(layout.currentIndex);
    in.ReadString(layout.animation);
    std::uint8_t start = 0;
    if (in.ReadU8(start)) layout.startWithWindows = start != 0;
    out = std::move(layout);
    return in.ok() ? LayoutRead::Complete : LayoutRead::Damaged;
}

LayoutRead ReadLayout(const std::vector<std::uint8_t>& bytes, Layout& out) {
    ByteReader in(bytes);
    return ReadLayout(in, out);
}

bool LayoutBytes(const Layout& layout, std::vector<std::uint8_t>& bytes) {
    ByteWriter out;
    if (!WriteLayout(out, layout)) return false;
    bytes = out.TakeBytes();
    return true;
}

bool WriteLayout(ByteWriter& out, const Layout& layout) {
    ByteWriter w;
    const std::size_t shown = layout.shownCount < layout.tabs.size() ? layout.shownCount
                                                                      : layout.tabs.size();
    if (layout.tabs.size() > 0x7FFFFFFFu) w.Fail();
    w.WriteU32(layout.listStyle);
    w.WriteI32(static_cast<std::int32_t>(shown));
    w.WriteI32(static_cast<std::int32_t>(layout.tabs.size() - shown));
    for (const LayoutTab& tab : layout.tabs) WriteLayoutTab(w, tab);
    w.WriteI32(layout.currentIndex);
    w.WriteString(layout.animation);
    w.WriteU8(layout.startWithWindows ? 1 : 0);
    return out.Append(w);
}

}  // namespace quillon
