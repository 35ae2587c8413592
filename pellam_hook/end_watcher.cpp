#include "end_watcher.h"

#include "end_actions.h"
#include "hook_log.h"
#include "hook_state.h"
#include "scoped.h"

#include <cstring>

namespace pellamhook {
namespace {

struct StartRecord {
    LONG processId;  // 0: free
    LONG ready;      // the fields below are complete
    char exeName[64];
    uint8_t gamma, sound, desktop, profile, overclock;
    double savedGamma, savedContrast, savedBrightness;
    uint32_t savedVolume;
    uint32_t width, height, bitsPerPixel, frequency;
};
constexpr int kRecordCount = 32;
__attribute__((section(".SHAREDA"), shared)) StartRecord g_records[kRecordCount] = {};

constexpr DWORD kPollMs = 250;
// Pellam's process only: the watcher thread and the event that stops it.
winlib::ScopedHandle g_stop;
winlib::ScopedHandle g_thread;

// The events are Pellam's own handles: this thread runs in its process.
HANDLE SharedEvent(uint32_t value) { return reinterpret_cast<HANDLE>(static_cast<uintptr_t>(value)); }

void CarryOutRecordedEnd(const StartRecord& record) {
    LogLine(1, "%s [%X] ended without detaching; its end actions run here", record.exeName,
            static_cast<unsigned>(record.processId));
    EndActions actions;
    actions.gamma = record.gamma;
    actions.savedGamma = pellam::GammaTriple{record.savedGamma, record.savedContrast, record.savedBrightness};
    actions.sound = record.sound;
    actions.savedVolume = record.savedVolume;
    actions.desktop = record.desktop;
    actions.savedDesktop.dmSize = sizeof actions.savedDesktop;
    actions.savedDesktop.dmPelsWidth = record.width;
    actions.savedDesktop.dmPelsHeight = record.height;
    actions.savedDesktop.dmBitsPerPel = record.bitsPerPixel;
    actions.savedDesktop.dmDisplayFrequency = record.frequency;
    actions.savedDesktop.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT | DM_DISPLAYFREQUENCY;
    actions.profile = record.profile;
    actions.profileReset = SharedEvent(g_shared.profileResetEvent);
    actions.overclock = record.overclock;
    actions.overclockReset = SharedEvent(g_shared.overclockResetEvent);
    CarryOutEndActions(actions, record.exeName, EndLog::Quiet);
}

DWORD WINAPI WatchEnds(void*) {
    winlib::ScopedHandle processes[kRecordCount];
    LONG watched[kRecordCount] = {};
    while (::WaitForSingleObject(g_stop.get(), kPollMs) == WAIT_TIMEOUT) {
        for (int i = 0; i < kRecordCount; ++i) {
            StartRecord& record = g_records[i];
            LONG id = record.ready ? record.processId : 0;
            if (watched[i] != id) {  // withdrawn, or a new record in the slot
                processes[i].reset(id ? ::OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(id)) : nullptr);
                watched[i] = id;
            }
            if (!id || (processes[i] && ::WaitForSingleObject(processes[i].get(), 0) == WAIT_TIMEOUT)) continue;
            // Ended (or already gone when first seen) with its record in place.
            StartRecord copy = record;
            if (::InterlockedCompareExchange(&record.processId, 0, id) != id) continue;
            record.ready = 0;
            CarryOutRecordedEnd(copy);
        }
    }
    return 0;
}

StartRecord* OwnRecord() {
    for (StartRecord& record : g_records)
        if (record.processId == static_cast<LONG>(g_process.processId)) return &record;
    return nullptr;
}

}  // namespace

// Also called again when a hot key has changed what the end must undo.
void RecordStartActions() {
    bool desktop = g_process.desktopChanged;
    if (!g_process.started || InCompanionProcess()) return;
    if (!g_process.gammaApplied && !g_process.soundApplied && !desktop && !g_process.profileApplied &&
        !g_process.overclockApplied)
        return;
    StartRecord* record = OwnRecord();
    for (int i = 0; !record && i < kRecordCount; ++i)
        if (::InterlockedCompareExchange(&g_records[i].processId, static_cast<LONG>(g_process.processId), 0) == 0)
            record = &g_records[i];
    if (!record) return;  // more running programs with start actions than records
    record->ready = 0;
    std::strncpy(record->exeName, g_process.exeName, sizeof record->exeName - 1);
    record->exeName[sizeof record->exeName - 1] = '\0';
    record->gamma = g_process.gammaApplied;
    record->savedGamma = g_process.savedGamma;
    record->savedContrast = g_process.savedContrast;
    record->savedBrightness = g_process.savedBrightness;
    record->sound = g_process.soundApplied;
    record->savedVolume = g_process.savedVolume;
    record->desktop = desktop;
    record->width = g_process.savedDesktop.dmPelsWidth;
    record->height = g_process.savedDesktop.dmPelsHeight;
    record->bitsPerPixel = g_process.savedDesktop.dmBitsPerPel;
    record->frequency = g_process.savedDesktop.dmDisplayFrequency;
    record->profile = g_process.profileApplied;
    record->overclock = g_process.overclockApplied;
    ::InterlockedExchange(&record->ready, 1);
}

void WithdrawStartActions() {
    if (StartRecord* record = OwnRecord()) {
        record->ready = 0;
        ::InterlockedExchange(&record->processId, 0);
    }
}

void StartEndWatcher() {
    if (g_thread) return;
    g_stop.reset(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
    if (g_stop) g_thread.reset(::CreateThread(nullptr, 0, WatchEnds, nullptr, 0, nullptr));
}

void StopEndWatcher() {
    if (!g_thread) return;
    ::SetEvent(g_stop.get());
    ::WaitForSingleObject(g_thread.get(), 5000);
    g_thread.reset();
    g_stop.reset();
}

}  // namespace pellamhook
