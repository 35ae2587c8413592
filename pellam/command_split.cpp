#include "command_split.h"

namespace pellam {
namespace {

bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

}  // namespace

SplitCommand SplitCommandLine(const std::string& line) {
    size_t pos = 0;
    while (pos < line.size() && IsWhite(line[pos])) ++pos;
    const char delimiter = pos < line.size() && line[pos] == '"' ? '"' : ' ';
    while (pos < line.size() && line[pos] == delimiter) ++pos;

    SplitCommand split;
    size_t end = line.find(delimiter, pos);
    if (end == std::string::npos) {
        split.file = line.substr(pos);
        return split;
    }
    split.file = line.substr(pos, end - pos);
    pos = end + 1;
    while (pos < line.size() && IsWhite(line[pos])) ++pos;
    split.parameters = line.substr(pos);
    return split;
}

std::string TrimLeadingBlanks(const std::string& text) {
    size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) ++pos;
    return text.substr(pos);
}

std::string LowerAscii(std::string text) {
    for (char& c : text) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text;
}

std::string GameUndoCommand(const std::string& startCommand, const std::string& exeName) {
    std::string file = SplitCommandLine(startCommand).file;
    size_t slash = file.find_last_of("\\/");
    std::string folder = slash == std::string::npos ? std::string() : file.substr(0, slash + 1);
    if (LowerAscii(file.substr(folder.size())) != "quillon.exe" || exeName.empty() || exeName.find('"') != std::string::npos) return std::string();
    return "\"" + folder + "QuillonCmd.exe\" undo-game \"" + exeName + "\"";
}

}  // namespace pellam
