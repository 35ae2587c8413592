// Prints how long "Quillon.exe Profile=<name>" takes to apply a profile of
// 5,000 values, and how long Wine's own "reg import" takes for the same values
// from a .reg file. A game waits for the profile command before it starts.
//
// Usage: profile_bench.exe <path of Quillon.exe> [trivial_console.exe]
// With the trivial program, also how long starting any program takes.
#include "byte_io.h"
#include "category_record.h"
#include "file.h"

#include <shlwapi.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

const char kBenchKey[] = "Software\\QuillonBench\\Profile";
constexpr int kKeys = 10;
constexpr int kValuesPerKey = 500;

std::string KeyPath(int key) { return std::string(kBenchKey) + "\\K" + std::to_string(key); }

bool IsString(int value) { return value % 2 == 1; }
std::string StringData(int value) { return "value " + std::to_string(value); }

std::vector<uint8_t> ProfileBytes() {
    quillon::ByteWriter out;
    out.WriteU32(1);
    out.WriteU32(kKeys);
    for (int key = 0; key < kKeys; ++key) {
        quillon::CategoryValuesRecord record;
        record.key.root = 0x80000001u;
        record.key.subKey = KeyPath(key);
        for (int value = 0; value < kValuesPerKey; ++value) {
            quillon::SettingValueRecord v;
            v.present = true;
            v.valueName = "V" + std::to_string(value);
            v.type = IsString(value) ? quillon::kSettingTypeString : quillon::kSettingTypeDWord;
            v.stringValue = IsString(value) ? StringData(value) : "";
            v.dwordValue = IsString(value) ? 0 : static_cast<uint32_t>(value);
            record.values.push_back(v);
        }
        quillon::WriteCategoryValues(out, record);
    }
    return out.TakeBytes();
}

std::vector<uint8_t> RegFileBytes() {
    std::string text = "REGEDIT4\r\n\r\n";
    char dword[16];
    for (int key = 0; key < kKeys; ++key) {
        text += "[HKEY_CURRENT_USER\\" + KeyPath(key) + "]\r\n";
        for (int value = 0; value < kValuesPerKey; ++value) {
            text += "\"V" + std::to_string(value) + "\"=";
            if (IsString(value)) {
                text += "\"" + StringData(value) + "\"\r\n";
            } else {
                std::snprintf(dword, sizeof dword, "dword:%08x", value);
                text += std::string(dword) + "\r\n";
            }
        }
        text += "\r\n";
    }
    return std::vector<uint8_t>(text.begin(), text.end());
}

// Runs a command line to its end; milliseconds, or -1 when it failed.
double TimeCommand(const std::string& commandLine, const std::string& folder) {
    LARGE_INTEGER frequency, start, end;
    ::QueryPerformanceFrequency(&frequency);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.c_str(), &startup, &process))
        return -1;
    ::WaitForSingleObject(process.hProcess, INFINITE);
    ::QueryPerformanceCounter(&end);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    if (code != 0) return -1;
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void ClearValues() {
    ::SHDeleteKeyA(HKEY_CURRENT_USER, kBenchKey);
    for (int key = 0; key < kKeys; ++key) {
        HKEY created = nullptr;
        ::RegCreateKeyExA(HKEY_CURRENT_USER, KeyPath(key).c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                          nullptr, &created, nullptr);
        if (created) ::RegCloseKey(created);
    }
}

// Every value is there with its data.
bool ValuesApplied() {
    for (int key = 0; key < kKeys; ++key)
        for (int value = 0; value < kValuesPerKey; value += 97) {
            char data[64] = "";
            DWORD type = 0, size = sizeof data;
            std::string name = "V" + std::to_string(value);
            if (::SHGetValueA(HKEY_CURRENT_USER, KeyPath(key).c_str(), name.c_str(), &type, data,
                              &size) != ERROR_SUCCESS)
                return false;
            if (IsString(value) ? StringData(value) != data
                                : *reinterpret_cast<DWORD*>(data) != static_cast<DWORD>(value))
                return false;
        }
    return true;
}

double Best(std::vector<double> times) {
    for (double t : times)
        if (t < 0) return -1;
    return *std::min_element(times.begin(), times.end());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::printf("usage: profile_bench.exe <Quillon.exe>\n");
        return 2;
    }
    char temp[MAX_PATH] = "";
    ::GetTempPathA(sizeof temp, temp);
    const std::string folder = std::string(temp) + "quillon_profile_bench";
    ::CreateDirectoryA(folder.c_str(), nullptr);
    ::CreateDirectoryA((folder + "\\Profiles").c_str(), nullptr);
    const std::string exe = folder + "\\Quillon.exe";
    if (!::CopyFileA(argv[1], exe.c_str(), FALSE)) {
        std::printf("cannot copy %s\n", argv[1]);
        return 1;
    }
    winlib::CFile::WriteReplacing(folder + "\\Profiles\\Bench.qlp", ProfileBytes());
    winlib::CFile::WriteReplacing(folder + "\\bench.reg", RegFileBytes());
    // Empty files show the cost of starting each program.
    winlib::CFile::WriteReplacing(folder + "\\Profiles\\Empty.qlp",
                                  std::vector<uint8_t>{1, 0, 0, 0, 0, 0, 0, 0});
    const std::string emptyReg = "REGEDIT4\r\n\r\n";
    winlib::CFile::WriteReplacing(folder + "\\empty.reg",
                                  std::vector<uint8_t>(emptyReg.begin(), emptyReg.end()));

    constexpr int kRuns = 5;
    std::vector<double> profile, regImport, emptyProfile, emptyRegImport, trivial;
    const std::string trivialExe = argc > 2 ? "\"" + std::string(argv[2]) + "\"" : "";
    bool profileCorrect = true, regCorrect = true;
    for (int run = 0; run < kRuns; ++run) {
        ClearValues();
        profile.push_back(TimeCommand("\"" + exe + "\" Profile=Bench", folder));
        profileCorrect = profileCorrect && ValuesApplied();
        ClearValues();
        regImport.push_back(TimeCommand("reg.exe import bench.reg", folder));
        regCorrect = regCorrect && ValuesApplied();
        emptyProfile.push_back(TimeCommand("\"" + exe + "\" Profile=Empty", folder));
        emptyRegImport.push_back(TimeCommand("reg.exe import empty.reg", folder));
        if (!trivialExe.empty()) trivial.push_back(TimeCommand(trivialExe, folder));
    }
    ::SHDeleteKeyA(HKEY_CURRENT_USER, "Software\\QuillonBench");

    std::printf("applying %d values (%d keys), best of %d runs:\n", kKeys * kValuesPerKey, kKeys,
                kRuns);
    std::printf("  Quillon.exe Profile=Bench  %8.1f ms%s\n", Best(profile),
                profileCorrect ? "" : "  (values missing afterwards!)");
    std::printf("  reg import bench.reg       %8.1f ms%s\n", Best(regImport),
                regCorrect ? "" : "  (values missing afterwards!)");
    std::printf("  starting with nothing to apply: Quillon.exe %.1f ms, reg import %.1f ms\n",
                Best(emptyProfile), Best(emptyRegImport));
    if (Best(profile) > 0 && Best(regImport) > 0)
        std::printf("  ratio                      %8.2f (profile / reg import; aim: at most 1.2)\n",
                    Best(profile) / Best(regImport));
    if (!trivial.empty() && Best(trivial) > 0) {
        std::printf("  a trivial console program %8.1f ms\n", Best(trivial));
        std::printf("  ratio                      %8.2f (profile / trivial program)\n",
                    Best(profile) / Best(trivial));
    }
    return profileCorrect && regCorrect ? 0 : 1;
}
