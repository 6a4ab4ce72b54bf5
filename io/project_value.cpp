#include "project_value.h"

namespace capillary {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

bool isBinaryByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F;
}

std::string quoteProjectText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') {
            out += "\"\"";
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out += "\r\n";
        } else {
            out += isBinaryByte(c) ? ' ' : c;
        }
    }
    out += '"';
    return out;
}

ProjectValueFault ProjectValueScanner::next(ProjectValue& value) {
    value = ProjectValue{};
    skipBlanks();
    if (pos_ < text_.size() && text_[pos_] == '"') {
        value.quoted = true;
        if (auto fault = readQuoted(value.text); fault != ProjectValueFault::None) return fault;
        skipBlanks();
        if (!atLineEnd()) {
            // Most likely the value lost its closing quote and ran on to the next quote.
            const bool spansLines = value.text.find('\n') != std::string::npos;
            return spansLines ? ProjectValueFault::NoClosingQuote
                              : ProjectValueFault::TextAfterClosingQuote;
        }
    } else {
        readBare(value.text);
    }
    skipLineEnd();
    return ProjectValueFault::None;
}

ProjectValueFault ProjectValueScanner::readQuoted(std::string& out) {
    ++pos_;  // the opening quote
    while (pos_ < text_.size()) {
        const char c = text_[pos_++];
        if (c == '"') {
            if (pos_ < text_.size() && text_[pos_] == '"') {
                out += '"';
                ++pos_;
                continue;
            }
            return ProjectValueFault::None;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
            out += '\n';
        } else {
            out += c;
        }
    }
    return ProjectValueFault::NoClosingQuote;
}

void ProjectValueScanner::readBare(std::string& out) {
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !atLineEnd()) ++pos_;
    std::string_view bare = text_.substr(start, pos_ - start);
    while (!bare.empty() && isBlank(bare.back())) bare.remove_suffix(1);
    out = bare;
}

// At the end of the text, or at an LF, CR LF or lone CR, as inside quotes: a bare value never
// holds a line break that quoting it would turn into another.
bool ProjectValueScanner::atLineEnd() const {
    return pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r';
}

void ProjectValueScanner::skipLineEnd() {
    if (pos_ < text_.size() && text_[pos_] == '\r') ++pos_;
    if (pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
}

void ProjectValueScanner::skipBlanks() {
    while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
}

}  // namespace capillary
