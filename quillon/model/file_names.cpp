#include "file_names.h"

#include <cctype>

bool EqualIgnoringAsciiCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

namespace {
bool EndsWithIgnoringAsciiCase(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           EqualIgnoringAsciiCase(text.substr(text.size() - end.size()), end);
}
}  // namespace

std::string WithDatabaseExtension(const std::string& chosen) {
    static const std::string kExtension = ".tweakdb";
    size_t dot = chosen.rfind('.');
    if (dot != std::string::npos && EqualIgnoringAsciiCase(chosen.substr(dot), kExtension))
        return chosen;
    return chosen + kExtension;
}

std::string ProfilePath(const std::string& name) { return "Profiles\\" + name + ".qlp"; }

std::string ProfileMenuText(const std::string& fileName) {
    size_t dot = fileName.rfind('.');
    return dot == std::string::npos ? fileName : fileName.substr(0, dot);
}

ProgramFileKind ClassifyProgramFile(const std::string& fileName) {
    if (EndsWithIgnoringAsciiCase(fileName, "_Tab.dll")) return ProgramFileKind::TabPlugin;
    if (EndsWithIgnoringAsciiCase(fileName, "_Animation.dll")) return ProgramFileKind::Animation;
    if (EndsWithIgnoringAsciiCase(fileName, ".tweakdb")) return ProgramFileKind::Database;
    return ProgramFileKind::Other;
}
