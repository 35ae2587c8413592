// Prints how long the tweak model takes for large layouts, against Wine's
// registry: writing and reading 200 categories of 50 settings, Refresh of all
// of them, and merging databases into a category (two sizes, to show how the
// time grows with the number of settings).
#include "category.h"
#include "file.h"
#include "prompt.h"

#include <shlwapi.h>
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

const char kBenchRoot[] = "Software\\QuillonBench";

class Stopwatch {
public:
    Stopwatch() {
        ::QueryPerformanceFrequency(&frequency_);
        ::QueryPerformanceCounter(&start_);
    }
    double Milliseconds() const {
        LARGE_INTEGER now;
        ::QueryPerformanceCounter(&now);
        return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
               static_cast<double>(frequency_.QuadPart);
    }

private:
    LARGE_INTEGER frequency_, start_;
};

// Answers every merge question with No, without a window.
class NoPrompt : public Prompt {
public:
    int Ask(HWND, const std::string&, const std::string&, UINT) override { return IDNO; }
};

std::unique_ptr<Setting> MakeSetting(int i, HKEY key) {
    std::string name = "Value" + std::to_string(i);
    auto setting = std::make_unique<DWordSetting>(name, name, "bench", key);
    setting->ParseRange("0-10:5;20;");
    setting->tweakMap = "Zero;Five;Ten;Twenty;";
    return setting;
}

double WriteAndReadLayout(int categories, int settingsEach, std::vector<std::unique_ptr<Category>>& read,
                          double& readMs) {
    std::vector<std::unique_ptr<Category>> layout;
    for (int c = 0; c < categories; ++c) {
        std::string subKey = std::string(kBenchRoot) + "\\Cat" + std::to_string(c);
        auto category = std::make_unique<Category>("Cat" + std::to_string(c), nullptr,
                                                   HKEY_CURRENT_USER, subKey);
        HKEY key = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, subKey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr);
        for (int s = 0; s < settingsEach; ++s) {
            auto setting = MakeSetting(s, key);
            setting->SelectValue(static_cast<uint32_t>(s % 4));
            setting->Write(key);
            category->model().settings.push_back(std::move(setting));
        }
        ::RegCloseKey(key);
        layout.push_back(std::move(category));
    }

    Stopwatch write;
    quillon::ByteWriter out;
    for (const auto& category : layout) category->Save(out);
    winlib::CFile file;
    file.Open("bench.stream", winlib::CFile::modeCreate | winlib::CFile::modeWrite);
    file.Write(out.bytes().data(), static_cast<uint32_t>(out.bytes().size()));
    file.Close();
    double writeMs = write.Milliseconds();

    Stopwatch readTimer;
    std::vector<uint8_t> bytes;
    winlib::CFile::ReadAll("bench.stream", bytes);
    quillon::ByteReader in(bytes.data(), bytes.size());
    uint32_t tag = 0;
    while (!in.AtEnd() && in.ReadU32(tag)) {
        auto category = Category::Read(in, nullptr);
        if (!category) break;
        read.push_back(std::move(category));
    }
    readMs = readTimer.Milliseconds();
    ::DeleteFileA("bench.stream");
    return writeMs;
}

double MergeMs(int existing, int incoming) {
    std::string subKey = std::string(kBenchRoot) + "\\Merge";
    Category category("Merge", nullptr, HKEY_CURRENT_USER, subKey);
    for (int i = 0; i < existing; ++i) category.model().settings.push_back(MakeSetting(i, nullptr));
    // Every existing setting comes again unchanged; the rest are new.
    quillon::CategoryExportBody body;
    for (int i = 0; i < incoming; ++i) body.settings.push_back(MakeSetting(i, nullptr)->ToRecord());
    quillon::ByteWriter out;
    quillon::WriteExportBody(out, body);

    Stopwatch timer;
    quillon::ByteReader in(out.bytes().data(), out.bytes().size());
    category.Merge(in);
    double ms = timer.Milliseconds();
    if (category.model().settings.size() != static_cast<size_t>(incoming > existing ? incoming : existing))
        std::printf("merge produced %u settings\n", static_cast<unsigned>(category.model().settings.size()));
    return ms;
}

}  // namespace

int main() {
    NoPrompt prompt;
    SetPrompt(&prompt);
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kBenchRoot);

    std::vector<std::unique_ptr<Category>> read;
    double readMs = 0;
    double writeMs = WriteAndReadLayout(200, 50, read, readMs);
    std::printf("write 200 categories x 50 settings:   %8.1f ms\n", writeMs);
    std::printf("read  200 categories x 50 settings:   %8.1f ms (%u read back)\n", readMs,
                static_cast<unsigned>(read.size()));

    Stopwatch refresh;
    for (auto& category : read) category->Refresh();
    std::printf("refresh 200 categories x 50 settings: %8.1f ms\n", refresh.Milliseconds());

    double small = MergeMs(100, 1000);
    double large = MergeMs(1000, 10000);
    std::printf("merge 1,000 settings into 100:        %8.1f ms\n", small);
    std::printf("merge 10,000 settings into 1,000:     %8.1f ms (x%.1f for 10x the settings)\n",
                large, small > 0 ? large / small : 0.0);

    ::SHDeleteKeyA(HKEY_CURRENT_USER, kBenchRoot);
    SetPrompt(nullptr);
    return 0;
}
