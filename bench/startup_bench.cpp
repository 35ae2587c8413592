// Prints how long Quillon takes from its start until its main window is
// shown, with the shipped layout and with 50 categories of 50 settings,
// against a bare Win32 window program, as ratios measured in one run.
//
// Usage: startup_bench.exe <dist folder> <bare_window.exe>
// Each program runs from a scratch folder; the best of several starts counts.
#include "category.h"
#include "database_file.h"
#include "file.h"
#include "layout_file.h"
#include "program_runs.h"

#include <shlwapi.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char kBenchRoot[] = "Software\\QuillonBench\\Start";
constexpr int kRuns = 5;

BOOL CALLBACK CloseWindow(HWND window, LPARAM) {
    ::PostMessageA(window, WM_CLOSE, 0, 0);
    return TRUE;
}

// Milliseconds from the start until a top-level window of the program is
// visible, then the program is closed; -1 when it showed none.
double TimeUntilShown(const std::string& exe, const std::string& folder) {
    LARGE_INTEGER frequency, start, now;
    ::QueryPerformanceFrequency(&frequency);
    std::string commandLine = "\"" + exe + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process))
        return -1;
    double ms = -1;
    for (int polls = 0; polls < 60000; ++polls) {
        if (benchsupport::FindProcessWindow(process.dwProcessId, nullptr, true)) {
            ::QueryPerformanceCounter(&now);
            ms = 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
                 static_cast<double>(frequency.QuadPart);
            break;
        }
        if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) break;
    }
    ::EnumThreadWindows(process.dwThreadId, CloseWindow, 0);
    if (::WaitForSingleObject(process.hProcess, 30000) != WAIT_OBJECT_0)
        ::TerminateProcess(process.hProcess, 1);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return ms;
}

double Best(const std::string& exe, const std::string& folder) {
    std::vector<double> times;
    TimeUntilShown(exe, folder);  // the first start warms the file cache
    for (int run = 0; run < kRuns; ++run) times.push_back(TimeUntilShown(exe, folder));
    if (std::find(times.begin(), times.end(), -1.0) != times.end()) return -1;
    return *std::min_element(times.begin(), times.end());
}

std::string MakeFolder(const std::string& name) {
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    std::string folder = std::string(temp) + name;
    ::CreateDirectoryA(folder.c_str(), nullptr);
    return folder;
}

bool Copy(const std::string& from, const std::string& to, const std::string& file) {
    return ::CopyFileA((from + "\\" + file).c_str(), (to + "\\" + file).c_str(), FALSE) != 0;
}

// Files of the program folder whose names end in 'suffix'.
std::vector<std::string> FilesEndingIn(const std::string& folder, const std::string& suffix) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found{};
    HANDLE search = ::FindFirstFileA((folder + "\\*" + suffix).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        names.push_back(found.cFileName);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

// The layout a first start makes of the delivered folder: every tab plug-in
// and every category of the shipped databases on the tab bar, and the fire
// animation; with the files it names, and nothing else to offer. The build
// delivers no "Tabs.stream", so the layout is made here.
bool PrepareShipped(const std::string& dist, const std::string& folder, std::string& animation) {
    quillon::Layout layout;
    for (const std::string& plugin : FilesEndingIn(dist, "_Tab.dll")) {
        quillon::LayoutTab tab;
        tab.type = quillon::kTabTypePlugin;
        tab.pluginFile = plugin;
        layout.tabs.push_back(tab);
    }
    for (const std::string& file : FilesEndingIn(dist, ".tweakdb")) {
        std::vector<uint8_t> bytes;
        if (!winlib::CFile::ReadAll(dist + "\\" + file, bytes)) return false;
        for (const quillon::DatabaseEntry& entry : quillon::ReadDatabase(bytes).categories) {
            quillon::LayoutTab tab;
            tab.name = entry.name;
            tab.category.key = entry.record.key;
            tab.category.cardMask = entry.record.body.cardMask;
            tab.category.osMask = entry.record.body.osMask;
            tab.category.settings = entry.record.body.settings;
            layout.tabs.push_back(tab);
        }
    }
    if (layout.tabs.empty()) return false;
    layout.shownCount = layout.tabs.size();
    layout.currentIndex = 0;
    layout.animation = "Ember_Animation.dll";
    std::vector<uint8_t> bytes;
    if (!quillon::LayoutBytes(layout, bytes)) return false;
    bool copied = Copy(dist, folder, "Quillon.exe") && Copy(dist, folder, layout.animation);
    for (const quillon::LayoutTab& tab : layout.tabs)
        if (tab.type == quillon::kTabTypePlugin) copied = copied && Copy(dist, folder, tab.pluginFile);
    // Key-lookup DLLs of dynamic categories.
    for (const std::string& lookup : FilesEndingIn(dist, "Key.dll")) copied = copied && Copy(dist, folder, lookup);
    animation = layout.animation;
    return copied && winlib::CFile::WriteReplacing(folder + "\\Tabs.stream", bytes);
}

// 'categories' categories of 'settingsEach' settings each, every value in the
// registry, and the shipped animation.
bool PrepareLarge(const std::string& dist, const std::string& folder, const std::string& animation,
                  int categories, int settingsEach) {
    quillon::ByteWriter out;
    out.WriteU32(0);
    out.WriteI32(categories);
    out.WriteI32(0);
    for (int c = 0; c < categories; ++c) {
        std::string subKey = std::string(kBenchRoot) + "\\Cat" + std::to_string(c);
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr);
        Category category("Cat" + std::to_string(c), nullptr, HKEY_CURRENT_USER, subKey);
        for (int s = 0; s < settingsEach; ++s) {
            std::string name = "Value" + std::to_string(s);
            auto setting = std::make_unique<DWordSetting>(name, name, "bench", key);
            setting->ParseRange("0-10:5;20;");
            setting->tweakMap = "Zero;Five;Ten;Twenty;";
            setting->SelectValue(static_cast<uint32_t>(s % 4));
            setting->Write(key);
            category.model().settings.push_back(std::move(setting));
        }
        ::RegCloseKey(key);
        if (!category.Save(out)) return false;
    }
    out.WriteI32(0);
    if (!out.WriteString(animation)) return false;
    out.WriteU8(0);
    bool copied = Copy(dist, folder, "Quillon.exe") &&
                  (animation.empty() || Copy(dist, folder, animation));
    return copied && winlib::CFile::WriteReplacing(folder + "\\Tabs.stream", out.TakeBytes());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::printf("usage: startup_bench.exe <dist folder> <bare_window.exe>\n");
        return 2;
    }
    const std::string dist = argv[1];
    benchsupport::RememberCard();
    std::string shipped = MakeFolder("quillon_start_shipped"), large = MakeFolder("quillon_start_large");
    std::string animation;
    if (!PrepareShipped(dist, shipped, animation) || !PrepareLarge(dist, large, animation, 50, 50)) {
        std::printf("cannot prepare the layouts from the delivered files of %s\n", dist.c_str());
        return 1;
    }
    double bare = Best(argv[2], shipped);
    double shippedMs = Best(shipped + "\\Quillon.exe", shipped);
    double largeMs = Best(large + "\\Quillon.exe", large);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuillonBench");

    std::printf("start until the main window is shown, best of %d:\n", kRuns);
    std::printf("  bare window program          %8.1f ms\n", bare);
    std::printf("  Quillon, shipped layout      %8.1f ms\n", shippedMs);
    std::printf("  Quillon, 50 x 50 settings    %8.1f ms\n", largeMs);
    if (bare <= 0 || shippedMs <= 0 || largeMs <= 0) {
        std::printf("  a program showed no window\n");
        return 1;
    }
    std::printf("  ratio 50 x 50 / shipped      %8.2f (aim: at most 1.5)\n", largeMs / shippedMs);
    std::printf("  ratio 50 x 50 / bare window  %8.2f\n", largeMs / bare);
    return 0;
}
