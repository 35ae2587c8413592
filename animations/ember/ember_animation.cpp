// Ember_Animation.dll: the fire, drawn with OpenGL into the main window's
// animation strip.
#include "animation_exports.h"
#include "fire_field.h"

#include <cstdlib>

namespace {

class FirePicture : public glstrip::Picture {
public:
    void Step() override {
        fire_.Step([] { return std::rand(); });
    }
    const unsigned char* Texels() const override { return fire_.texels(); }
    int Width() const override { return ember::kColumns; }
    int Height() const override { return ember::kPictureRows; }

private:
    ember::FireField fire_;
};

}  // namespace

QUILLON_ANIMATION_PLUGIN(new (std::nothrow) FirePicture())
