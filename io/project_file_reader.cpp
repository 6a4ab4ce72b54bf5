#include "project_file_reader.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <fstream>
#include <system_error>

#include "engine/Mdlproperties.h"
#include "engine/numeric_text.h"
#include "engine/unit_switch.h"
#include "project_value.h"
#include "text_encoding.h"

namespace capillary {
namespace {

constexpr int kLineCount = 23;
constexpr int kRefrigerantLine = 1;
constexpr int kPressureDropLine = 7;
constexpr int kHistoryLine = 22;  // read and not used
constexpr int kUnitLine = 23;
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t kShownCharacters = 40;

ProjectReadResult refuse(std::string reason) { return {std::nullopt, std::move(reason)}; }

bool holdsBinaryData(std::string_view bytes) {
    return std::any_of(bytes.begin(), bytes.end(), isBinaryByte);
}

bool onlyBlanksAndLineEnds(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// A value as a reason shows it: in parentheses and quotes, control characters (line breaks)
// as blanks, cut after kShownCharacters characters. `text` is valid UTF-8.
std::string shown(std::string_view text) {
    std::string out = "(\"";
    std::size_t characters = 0;
    for (const char c : text) {
        const bool startsCharacter = (static_cast<unsigned char>(c) & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kShownCharacters) {
            out += "\xE2\x80\xA6";  // …
            break;
        }
        out += static_cast<unsigned char>(c) < 0x20 ? ' ' : c;
    }
    out += "\")";
    return out;
}

std::string lineReason(int line, std::string_view what) {
    return "line " + std::to_string(line) + " " + std::string(what);
}

bool isListedRefrigerant(std::string_view text) {
    return std::find(kRefrigerantNames.begin(), kRefrigerantNames.end(), text) !=
           kRefrigerantNames.end();
}

// The whole number of a value, or the reason it is none; empty counts as 0.
std::optional<std::string> readWholeNumber(int line, const ProjectValue& value, int& number) {
    number = 0;
    const std::string_view text = value.text;
    if (text.empty()) return std::nullopt;
    const bool signedNumber = text.front() == '+' || text.front() == '-';
    const std::string_view digits = text.substr(signedNumber ? 1 : 0);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) {
        return lineReason(line, "is not a whole number " + shown(text));
    }
    // from_chars takes a minus sign but no plus sign.
    const std::string_view parsed = text.front() == '+' ? digits : text;
    auto [end, error] = std::from_chars(parsed.data(), parsed.data() + parsed.size(), number);
    if (error != std::errc() || end != parsed.data() + parsed.size()) {
        return lineReason(line, "holds a number out of range " + shown(text));
    }
    return std::nullopt;
}

// Why the text value of `line` is not one this program writes, if it is not.
std::optional<std::string> checkText(int line, const ProjectValue& value) {
    // Empty is fine on every text line: a design saved with no refrigerant or pressure drop
    // chosen must open again.
    if (value.text.empty()) return std::nullopt;
    if (line == kRefrigerantLine && !isListedRefrigerant(value.text)) {
        return lineReason(line, "names no known refrigerant " + shown(value.text));
    }
    if (line == kPressureDropLine && !isNumericText(value.text)) {
        return lineReason(line, "is not a number " + shown(value.text));
    }
    // Opening takes the pressure drop through the other unit system and back.
    if (line == kPressureDropLine && (!reformatSavedPressureDrop(value.text, UnitSystem::English) ||
                                      !reformatSavedPressureDrop(value.text, UnitSystem::Metric))) {
        return lineReason(line, "is out of range " + shown(value.text));
    }
    return std::nullopt;
}

std::optional<std::string> optionalText(const ProjectValue& value) {
    if (!value.quoted && value.text.empty()) return std::nullopt;  // never entered
    return value.text;
}

ProjectRecord toRecord(std::array<ProjectValue, kLineCount>& v, int history, int unit) {
    ProjectRecord r;
    r.refrigerant = std::move(v[0].text);
    r.capacity = std::move(v[1].text);
    r.evaporating = std::move(v[2].text);
    r.condensing = std::move(v[3].text);
    r.superheat = std::move(v[4].text);
    r.subcooling = std::move(v[5].text);
    r.maxPressureDrop = std::move(v[6].text);
    r.circuits = std::move(v[7].text);
    r.customer = optionalText(v[8]);
    r.project = optionalText(v[9]);
    r.note = std::move(v[10].text);
    ProjectCaptions& c = r.captions;
    std::array<std::string*, 10> captions{&c.Lbl2, &c.Lbl3, &c.Lbl4,  &c.Lbl5,  &c.Lbl6,
                                          &c.Lbl7, &c.Lbl9, &c.Lbl15, &c.Lbl17, &c.Lbl19};
    for (std::size_t i = 0; i < captions.size(); ++i) *captions[i] = std::move(v[11 + i].text);
    r.history = history;
    r.unit = unit;
    return r;
}

}  // namespace

ProjectReadResult parseProjectFile(std::string_view bytes) {
    if (bytes.size() > kMaxProjectFileBytes) {
        return refuse("the file is too large to be a project file");
    }
    if (holdsBinaryData(bytes)) return refuse("the file holds binary data");
    if (bytes.starts_with(kUtf8ByteOrderMark)) bytes.remove_prefix(kUtf8ByteOrderMark.size());
    const std::string text = decodeUtf8OrWindows1252(bytes);
    if (onlyBlanksAndLineEnds(text)) return refuse("the file is empty");

    ProjectValueScanner scanner(text);
    std::array<ProjectValue, kLineCount> values;
    int history = 0;
    int unit = 0;
    for (int line = 1; line <= kLineCount; ++line) {
        ProjectValue& value = values[line - 1];
        switch (scanner.next(value)) {
            case ProjectValueFault::None:
                break;
            case ProjectValueFault::NoClosingQuote:
                return refuse(lineReason(line, "has no closing quote"));
            case ProjectValueFault::TextAfterClosingQuote:
                return refuse(lineReason(line, "has text after its closing quote"));
        }
        if (line == kHistoryLine) {
            readWholeNumber(line, value, history);  // kept when it is one, else 0
            continue;
        }
        auto fault =
            line == kUnitLine ? readWholeNumber(line, value, unit) : checkText(line, value);
        if (fault) return refuse(std::move(*fault));
    }
    // Whatever follows line 23 was never read by any version of the program.
    return {toRecord(values, history, unit), {}};
}

ProjectReadResult readProjectFile(const std::filesystem::path& path) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) return refuse("the file does not exist");
    if (!std::filesystem::is_regular_file(status)) return refuse("the file cannot be read");
    std::ifstream in(path, std::ios::binary);
    if (!in) return refuse("the file cannot be opened");
    // One byte more than allowed tells a file at the limit from one above it.
    std::string bytes(kMaxProjectFileBytes + 1, '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) return refuse("the file cannot be read");
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return parseProjectFile(bytes);
}

}  // namespace capillary
