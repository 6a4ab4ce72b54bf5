#pragma once

#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <string>

namespace capillary::testing {

struct ProcessResult {
    int code;
    std::string out;  // standard output and standard error together
};

// Runs a shell command as a script would and collects what it prints and its exit code.
inline ProcessResult runShell(const std::string& command) {
    std::FILE* pipe = popen((command + " 2>&1").c_str(), "r");
    ProcessResult result{-1, {}};
    std::array<char, 4096> buffer;
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;) {
        result.out.append(buffer.data(), n);
    }
    const int status = pclose(pipe);
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// The built capillary-size with the given arguments.
inline ProcessResult capillarySize(const std::string& arguments) {
    return runShell(std::string(CAPILLARY_SIZE_PATH) + " " + arguments);
}

}  // namespace capillary::testing
