#include "command_line.h"

ProfileRequest FindProfileRequest(const std::string& commandLine) {
    static const std::string kToken = "Profile=";
    ProfileRequest request;
    size_t found = commandLine.find(kToken);
    if (found == std::string::npos) return request;
    request.present = true;
    size_t start = found + kToken.size();
    if (start < commandLine.size() && commandLine[start] == '"') {
        ++start;
        size_t end = commandLine.find('"', start);
        request.name = commandLine.substr(start, end == std::string::npos ? std::string::npos
                                                                          : end - start);
    } else {
        size_t end = commandLine.find(' ', start);
        request.name = commandLine.substr(start, end == std::string::npos ? std::string::npos
                                                                          : end - start);
    }
    return request;
}
