#include "profile_command.h"

std::string ProfileCommandLine(const std::string& programPath, const std::string& profileName) {
    return "\"" + programPath + "\" Profile=\"" + profileName + "\"";
}

std::string FileNameOfPath(const std::string& path) {
    size_t slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}
