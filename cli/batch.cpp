#include "batch.h"

#include <array>
#include <atomic>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <csv.h>
#include <fmt/core.h>

#include "batch_header.h"
#include "batch_progress.h"
#include "batch_row.h"
#include "engine/csv_text.h"
#include "ordered_pipeline.h"

namespace capillary::cli {
namespace {

constexpr std::size_t kReadSize = 1 << 16;
// Rows are sized in chunks, so that threads meet once per chunk and not once per row.
constexpr std::size_t kRowsPerChunk = 256;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

using Row = std::vector<std::string>;
using Chunk = std::vector<Row>;

struct ChunkOutput {
    std::string text;
    std::array<std::uintmax_t, 3> outcomes{};  // rows by RowOutcome
};

std::string summary(const std::array<std::uintmax_t, 3>& outcomes) {
    const std::uintmax_t rows = outcomes[0] + outcomes[1] + outcomes[2];
    return fmt::format("{} {}: {} sized, {} no bore, {} rejected", rows, rows == 1 ? "row" : "rows",
                       outcomes[0], outcomes[1], outcomes[2]);
}

// Turns the parsed rows into output: the header at once, the design rows through the
// pipeline in chunks.
class BatchRun {
  public:
    BatchRun(std::FILE* out, std::FILE* err, const BatchSettings& settings)
        : out_(out),
          settings_(settings),
          pipeline_(
              settings.jobs, 2 * static_cast<std::size_t>(settings.jobs) + 2,
              [this](Chunk& chunk) { return sizeChunk(chunk); },
              [this](ChunkOutput& output, bool moreReady) { deliver(output, moreReady); }) {
        if (settings.progressOfBytes) progress_.emplace(err, *settings.progressOfBytes);
    }

    void addField(std::string_view text) { row_.emplace_back(text); }

    void setLine(long line) { line_ = line; }
    long lastRowLine() const { return lastRowLine_; }

    void endRow() {
        lastRowLine_ = line_;
        if (failed()) return;
        if (!header_) {
            readHeader();
        } else {
            chunk_.push_back(std::move(row_));
            if (chunk_.size() == kRowsPerChunk) submitChunk();
        }
        row_.clear();
    }

    void submitChunk() {
        if (chunk_.empty()) return;
        pipeline_.submit(std::move(chunk_));
        chunk_.clear();
    }

    // Sizes whatever rows are left and waits until they are written.
    void finish() {
        submitChunk();
        pipeline_.finish();
        if (progress_) progress_->clear();
    }

    void addBytesRead(std::size_t n) { bytesRead_ += n; }
    bool failed() const { return !headerError_.empty(); }
    bool sawHeader() const { return header_.has_value(); }
    const std::string& headerError() const { return headerError_; }
    const std::array<std::uintmax_t, 3>& outcomes() const { return outcomes_; }

  private:
    void readHeader() {
        auto read = readBatchHeader(std::move(row_));
        if (auto* error = std::get_if<std::string>(&read)) {
            headerError_ = std::move(*error);
            return;
        }
        header_ = std::move(std::get<BatchHeader>(read));
        std::string line;
        for (std::size_t i = 0; i < header_->width(); ++i) {
            appendCsvField(line, header_->names[i], i == 0);
        }
        for (std::string_view name : kOutputColumns) appendCsvField(line, name, false);
        line += '\n';
        std::fwrite(line.data(), 1, line.size(), out_);
        if (settings_.flushAsSized) std::fflush(out_);
    }

    ChunkOutput sizeChunk(Chunk& chunk) const {
        ChunkOutput output;
        for (Row& row : chunk) {
            const RowOutcome outcome =
                sizeBatchRow(*header_, row, settings_.defaultUnit, output.text);
            ++output.outcomes[static_cast<std::size_t>(outcome)];
        }
        return output;
    }

    void deliver(ChunkOutput& output, bool moreReady) {
        std::fwrite(output.text.data(), 1, output.text.size(), out_);
        if (settings_.flushAsSized && !moreReady) std::fflush(out_);
        for (std::size_t i = 0; i < outcomes_.size(); ++i) outcomes_[i] += output.outcomes[i];
        if (progress_) {
            progress_->update(outcomes_[0] + outcomes_[1] + outcomes_[2], bytesRead_.load());
        }
    }

    std::FILE* out_;
    BatchSettings settings_;
    std::optional<BatchHeader> header_;
    std::string headerError_;
    Row row_;
    Chunk chunk_;
    long line_ = 0;                             // the input line being parsed
    long lastRowLine_ = 0;                      // the line on which the last complete row ended
    std::array<std::uintmax_t, 3> outcomes_{};  // written by the delivering thread only
    std::atomic<std::uintmax_t> bytesRead_{0};
    std::optional<BatchProgress> progress_;
    OrderedPipeline<Chunk, ChunkOutput> pipeline_;  // last: its threads use the members above
};

void onField(void* text, std::size_t length, void* run) {
    static_cast<BatchRun*>(run)->addField({static_cast<const char*>(text), length});
}

void onRowEnd(int, void* run) { static_cast<BatchRun*>(run)->endRow(); }

// Field texts are kept exactly as written; blanks belong to the value.
int noBlanks(unsigned char) { return 0; }

// Feeds the input to the CSV parser a line at a time, so that an error knows its line.
class LineFeeder {
  public:
    LineFeeder(csv_parser& parser, BatchRun& run) : parser_(parser), run_(run) {}

    // False once a line is not valid CSV.
    bool feed(std::string_view line) {
        run_.setLine(++line_);
        // Spreadsheets often start a CSV with a UTF-8 byte order mark, before any quote.
        if (line_ == 1 && line.starts_with(kByteOrderMark))
            line.remove_prefix(kByteOrderMark.size());
        if (csv_parse(&parser_, line.data(), line.size(), onField, onRowEnd, &run_) !=
            line.size()) {
            errorLine_ = line_;
            return false;
        }
        return true;
    }

    // The complete lines of `pending`, leaving a line without its end for the next read.
    bool feedCompleteLines(std::string& pending) {
        std::size_t start = 0;
        for (std::size_t end;
             !run_.failed() && (end = pending.find('\n', start)) != std::string::npos;
             start = end + 1) {
            if (!feed(std::string_view(pending).substr(start, end + 1 - start))) return false;
        }
        pending.erase(0, start);
        return true;
    }

    // A quoted field still open at the end began on the line after the last complete row.
    bool finish() {
        if (csv_fini(&parser_, onField, onRowEnd, &run_) == 0) return true;
        errorLine_ = run_.lastRowLine() + 1;
        return false;
    }

    long errorLine() const { return errorLine_; }

  private:
    csv_parser& parser_;
    BatchRun& run_;
    long line_ = 0;
    long errorLine_ = 0;
};

}  // namespace

ExitCode runBatch(const ByteSource& in, std::FILE* out, std::FILE* err,
                  const BatchSettings& settings) {
    csv_parser parser;
    csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI);
    csv_set_space_func(&parser, noBlanks);
    BatchRun run(out, err, settings);
    LineFeeder feeder(parser, run);

    std::string pending;
    std::vector<char> buffer(kReadSize);
    bool readFailed = false;
    bool parsed = true;
    for (;;) {
        const std::ptrdiff_t n = in(buffer.data(), buffer.size());
        if (n < 0) readFailed = true;
        if (n <= 0) break;
        run.addBytesRead(static_cast<std::size_t>(n));
        pending.append(buffer.data(), static_cast<std::size_t>(n));
        parsed = feeder.feedCompleteLines(pending);
        if (!parsed || run.failed()) break;
        run.submitChunk();  // what has arrived is sized now, not when a chunk fills
    }
    if (parsed && !readFailed && !run.failed()) {
        parsed = (pending.empty() || feeder.feed(pending)) && feeder.finish();
    }
    run.finish();
    const int status = csv_error(&parser);
    csv_free(&parser);
    std::fflush(out);

    bool broken = true;
    if (!parsed) {
        fmt::print(err, "capillary-size: line {}: malformed CSV ({})\n", feeder.errorLine(),
                   csv_strerror(status));
    } else if (run.failed()) {
        fmt::print(err, "capillary-size: {}\n", run.headerError());
    } else if (readFailed) {
        fmt::print(err, "capillary-size: the batch input could not be read\n");
    } else if (!run.sawHeader()) {
        fmt::print(err, "capillary-size: the batch input has no header row\n");
    } else if (std::ferror(out)) {
        fmt::print(err, "capillary-size: the batch output could not be written\n");
    } else {
        broken = false;
    }
    if (run.sawHeader()) fmt::print(err, "{}\n", summary(run.outcomes()));
    const auto& outcomes = run.outcomes();
    if (broken || outcomes[static_cast<std::size_t>(RowOutcome::Rejected)] > 0) {
        return kInputRejected;
    }
    return outcomes[static_cast<std::size_t>(RowOutcome::NoBore)] > 0 ? kNoBore : kSized;
}

}  // namespace capillary::cli
