// The import searches go down through the modules each module imports, to a
// depth limit; a module imported by many others would be searched again for
// each of them, which multiplies with every level. A module met again at a
// depth no smaller than before has nothing new below it, so it is skipped:
// the searches find what they found before, in far fewer steps. No Windows
// headers.
#pragma once

#include <cstdint>
#include <map>

namespace pellamhook {

class SearchedModules {
public:
    // False when 'base' was already searched at 'depth' or shallower.
    bool FirstVisit(uint32_t base, int depth) {
        auto found = depths_.find(base);
        if (found != depths_.end() && found->second <= depth) return false;
        depths_[base] = depth;
        return true;
    }

private:
    std::map<uint32_t, int> depths_;
};

}  // namespace pellamhook
