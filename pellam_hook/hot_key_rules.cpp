#include "hot_key_rules.h"

#include "hot_key.h"

namespace pellamhook {
namespace {

constexpr uint32_t kReleasedFlag = 0x80000000u;
constexpr uint32_t kAltFlag = 0x20000000u;
constexpr uint32_t kShiftKey = 0x10, kControlKey = 0x11, kLeftWinKey = 0x5B, kRightWinKey = 0x5C;
constexpr double kStep = 1.0 / 64;

double Limit(double value, double highest) {
    if (value >= highest) return highest;
    if (value <= 0) return 0;
    return value;
}

}  // namespace

uint32_t TrackHotKeyCode(uint32_t virtualKey, uint32_t keyFlags, ModifierState& modifiers) {
    uint32_t pressed = (keyFlags & kReleasedFlag) ? 0 : 1;
    if (virtualKey == kShiftKey) modifiers.shiftDown = pressed;
    if (virtualKey == kControlKey) modifiers.ctrlDown = pressed;
    if (virtualKey == kLeftWinKey || virtualKey == kRightWinKey) modifiers.winDown = pressed;
    uint32_t code = virtualKey;
    if (keyFlags & kAltFlag) code += pellam::kHotKeyAlt;
    if (modifiers.ctrlDown) code += pellam::kHotKeyCtrl;
    if (modifiers.shiftDown) code += pellam::kHotKeyShift;
    if (modifiers.winDown) code += pellam::kHotKeyWin;
    return code;
}

HotKeyOutcome MatchHotKeys(uint32_t code, const pellam::CompanionSettings& settings,
                           const pellam::GammaTriple& current, bool hasExeName, bool hasVolume) {
    using namespace pellam;
    HotKeyOutcome out;
    out.triple = current;
    if (code == settings[kQuitHotKey]) {
        out.quit = true;
        return out;
    }
    if (code == settings[kResetHotKey] && hasExeName) {
        out.forgetGame = true;
        return out;
    }
    struct GammaKey {
        SettingIndex key;
        double pellam::GammaTriple::*field;
        double delta;  // 0: set the field to 'value'
        double value;
    };
    static const GammaKey kGammaKeys[] = {
        {kGammaUpHotKey, &GammaTriple::gamma, kStep, 0},
        {kGammaDownHotKey, &GammaTriple::gamma, -kStep, 0},
        {kGammaResetHotKey, &GammaTriple::gamma, 0, 1},
        {kContrastUpHotKey, &GammaTriple::contrast, kStep, 0},
        {kContrastDownHotKey, &GammaTriple::contrast, -kStep, 0},
        {kContrastResetHotKey, &GammaTriple::contrast, 0, 1},
        {kBrightnessUpHotKey, &GammaTriple::brightness, kStep, 0},
        {kBrightnessDownHotKey, &GammaTriple::brightness, -kStep, 0},
        {kBrightnessResetHotKey, &GammaTriple::brightness, 0, 0},
    };
    for (const GammaKey& key : kGammaKeys) {
        if (code != settings[key.key]) continue;
        double& field = out.triple.*key.field;
        field = key.delta != 0 ? field + key.delta : key.value;
        out.gammaChanged = true;
    }
    if (out.gammaChanged) {
        out.triple.gamma = Limit(out.triple.gamma, 2);
        out.triple.contrast = Limit(out.triple.contrast, 2);
        out.triple.brightness = Limit(out.triple.brightness, 1);
    }
    if (hasVolume) {
        if (code == settings[kSoundUpHotKey]) out.sound = SoundStep::Up;
        else if (code == settings[kSoundDownHotKey]) out.sound = SoundStep::Down;
        else if (code == settings[kSoundResetHotKey]) out.sound = SoundStep::Reset;
    }
    return out;
}

}  // namespace pellamhook
