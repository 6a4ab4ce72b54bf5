#include "batch.h"

#include <sys/types.h>

#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <csv.h>
#include <fmt/core.h>

#include "engine/calculation_request.h"
#include "sizing_run.h"

namespace capillary::cli {
namespace {

enum Column { kRefrigerant, kCapacity, kEvaporating, kCondensing, kSubcooling, kMaxDp, kCircuits,
              kUnits, kSuperheat, kColumnCount };

constexpr std::array<std::string_view, kColumnCount> kColumnNames{
    "refrigerant", "capacity", "evaporating", "condensing", "subcooling",
    "max_dp",      "circuits", "units",       "superheat"};
constexpr int kRequiredColumns = kUnits;  // units and superheat may be left out

constexpr std::array<std::string_view, 6> kOutputColumns{
    "line_size", "velocity", "length", "total_pressure_drop", "actual_pressure_drop", "error"};

// Writes CSV fields, quoting only those that need it.
class CsvWriter {
public:
    explicit CsvWriter(std::FILE* out) : out_(out) {}

    void field(std::string_view text) {
        if (!first_) std::fputc(',', out_);
        first_ = false;
        if (text.empty()) return;
        if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
            std::fwrite(text.data(), 1, text.size(), out_);
        } else {
            csv_fwrite(out_, text.data(), text.size());
        }
    }
    void endRow() {
        std::fputc('\n', out_);
        first_ = true;
    }

private:
    std::FILE* out_;
    bool first_ = true;
};

class BatchSizer {
public:
    BatchSizer(std::FILE* out, UnitSystem defaultUnit) : writer_(out), defaultUnit_(defaultUnit) {}

    void addField(std::string_view text) { row_.emplace_back(text); }

    void setLine(long line) { line_ = line; }
    long lastRowLine() const { return lastRowLine_; }

    void endRow() {
        lastRowLine_ = line_;
        if (failed()) return;
        if (columnOf_.empty()) {
            readHeader();
        } else {
            sizeRow();
        }
        row_.clear();
    }

    bool failed() const { return !headerError_.empty(); }
    bool sawHeader() const { return !columnOf_.empty(); }
    const std::string& headerError() const { return headerError_; }

private:
    void readHeader() {
        // Spreadsheets often start a CSV with a UTF-8 byte order mark.
        if (!row_.empty() && row_.front().starts_with("\xEF\xBB\xBF")) row_.front().erase(0, 3);
        columnOf_.assign(row_.size(), -1);
        for (std::size_t i = 0; i < row_.size(); ++i) {
            for (int c = 0; c < kColumnCount; ++c) {
                if (row_[i] != kColumnNames[c]) continue;
                if (indexOf_[c]) {
                    headerError_ = fmt::format("the header names the column {} twice", row_[i]);
                    return;
                }
                indexOf_[c] = i;
                columnOf_[i] = c;
            }
        }
        for (int c = 0; c < kRequiredColumns; ++c) {
            if (!indexOf_[c]) {
                headerError_ = fmt::format("the header lacks the column {}", kColumnNames[c]);
                return;
            }
        }
        for (const std::string& name : row_) writer_.field(name);
        for (std::string_view name : kOutputColumns) writer_.field(name);
        writer_.endRow();
    }

    std::string valueOf(Column column, std::string fallback = {}) const {
        const auto& index = indexOf_[column];
        return index ? row_[*index] : fallback;
    }

    void sizeRow() {
        const std::size_t width = columnOf_.size();
        std::string error;
        if (row_.size() != width) {
            error = fmt::format("the row has {} fields; the header has {}", row_.size(), width);
        }
        row_.resize(width);
        for (const std::string& value : row_) writer_.field(value);

        UnitSystem unit = defaultUnit_;
        const std::string units = valueOf(kUnits);
        if (units == "si") unit = UnitSystem::Metric;
        else if (units == "ip") unit = UnitSystem::English;
        else if (!units.empty() && error.empty()) error = "units must be ip or si";

        std::optional<SizingRun> run;
        if (error.empty()) {
            InputTexts texts{valueOf(kRefrigerant), valueOf(kCapacity), valueOf(kEvaporating),
                             valueOf(kCondensing),  valueOf(kSuperheat, "0"), valueOf(kSubcooling),
                             valueOf(kMaxDp),       valueOf(kCircuits)};
            run = runSizing(std::move(texts), unit, false);
            error = std::string(run->errorMessage());
        }
        if (run && run->outputs) {
            const OutputTexts& o = *run->outputs;
            for (const std::string* text : {&o.lineSize, &o.velocity, &o.length,
                                            &o.totalPressureDrop, &o.actualPressureDrop}) {
                writer_.field(*text);
            }
        } else {
            for (int i = 0; i < 5; ++i) writer_.field({});
        }
        writer_.field(error);
        writer_.endRow();
    }

    CsvWriter writer_;
    UnitSystem defaultUnit_;
    std::vector<std::string> row_;
    std::vector<int> columnOf_;  // empty until the header is read
    std::array<std::optional<std::size_t>, kColumnCount> indexOf_{};
    std::string headerError_;
    long line_ = 0;         // the input line being parsed
    long lastRowLine_ = 0;  // the line on which the last complete row ended
};

void onField(void* text, std::size_t length, void* sizer) {
    static_cast<BatchSizer*>(sizer)->addField({static_cast<const char*>(text), length});
}

void onRowEnd(int, void* sizer) { static_cast<BatchSizer*>(sizer)->endRow(); }

// Field texts are kept exactly as written; blanks belong to the value.
int noBlanks(unsigned char) { return 0; }

}  // namespace

ExitCode runBatch(std::FILE* in, std::FILE* out, std::FILE* err, UnitSystem defaultUnit) {
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, noBlanks);
    BatchSizer sizer(out, defaultUnit);

    // Fed one line at a time, so a parse error knows its line.
    char* text = nullptr;
    std::size_t capacity = 0;
    long line = 0;
    long errorLine = 0;
    for (ssize_t length; !sizer.failed() && (length = getline(&text, &capacity, in)) > 0;) {
        sizer.setLine(++line);
        if (csv_parse(&parser, text, length, onField, onRowEnd, &sizer) != std::size_t(length)) {
            errorLine = line;
            break;
        }
    }
    std::free(text);
    // A quoted field still open at the end began on the line after the last complete row.
    if (!errorLine && !sizer.failed() && csv_fini(&parser, onField, onRowEnd, &sizer) != 0) {
        errorLine = sizer.lastRowLine() + 1;
    }
    const int status = csv_error(&parser);
    csv_free(&parser);
    std::fflush(out);

    if (errorLine) {
        fmt::print(err, "capillary-size: line {}: malformed CSV ({})\n", errorLine,
                   csv_strerror(status));
        return kInputRejected;
    }
    if (sizer.failed()) {
        fmt::print(err, "capillary-size: {}\n", sizer.headerError());
        return kInputRejected;
    }
    if (std::ferror(in)) {
        fmt::print(err, "capillary-size: the batch input could not be read\n");
        return kInputRejected;
    }
    if (!sizer.sawHeader()) {
        fmt::print(err, "capillary-size: the batch input has no header row\n");
        return kInputRejected;
    }
    return kSized;
}

}  // namespace capillary::cli
