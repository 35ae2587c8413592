// Strobe_Animation.dll: the lightning flash, drawn with OpenGL into the main
// window's animation strip. Its random walk carries on across frames and
// across a second Init.
#include "animation_exports.h"
#include "flash_field.h"

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

class FlashPicture : public glstrip::Picture {
public:
    explicit FlashPicture(std::vector<uint32_t> table) : flash_(std::move(table)) {}
    void Step() override { flash_.Step(); }
    const unsigned char* Texels() const override { return flash_.texels(); }
    int Width() const override { return strobe::kColumns; }
    int Height() const override { return strobe::kRows; }

private:
    strobe::FlashField flash_;
};

glstrip::Picture* MakeFlash() {
    // The C library's sequence, never seeded here.
    std::vector<uint32_t> table(strobe::kRandomTableSize);
    for (uint32_t& value : table) value = static_cast<uint32_t>(std::rand());
    return new (std::nothrow) FlashPicture(std::move(table));
}

}  // namespace

QUILLON_ANIMATION_PLUGIN(MakeFlash())
