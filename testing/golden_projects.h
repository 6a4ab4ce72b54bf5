#pragma once

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

namespace capillary::test_support {

// The bytes of a golden project file: "english.cqz", the design of the window's sample typed
// into a fresh English window, or "metric.cqz", the Metric worked example saved from a Metric
// window with a heading and a two-line note.
inline std::string goldenProject(std::string_view name) {
    const std::string path = std::string(CAPILLARY_GOLDEN_PROJECTS) + "/" + std::string(name);
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("no golden project file " + path);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// `file` with its value on line `line` (1 to 23, counting a value broken over several lines
// once) replaced by `value`, written as it would stand in the file.
inline std::string withValue(std::string file, int line, std::string_view value) {
    std::size_t start = 0;
    bool quoted = false;
    for (int current = 1; current < line; ++current) {
        for (; start < file.size(); ++start) {
            if (file[start] == '"') quoted = !quoted;
            if (!quoted && file.compare(start, 2, "\r\n") == 0) break;
        }
        start += 2;
    }
    std::size_t end = start;
    for (quoted = false; end < file.size(); ++end) {
        if (file[end] == '"') quoted = !quoted;
        if (!quoted && file.compare(end, 2, "\r\n") == 0) break;
    }
    return file.replace(start, end - start, value);
}

// A text value as a project file writes it: in quotes.
inline std::string quotedValue(std::string_view text) { return "\"" + std::string(text) + "\""; }

}  // namespace capillary::test_support
