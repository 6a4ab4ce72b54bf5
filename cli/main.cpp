// capillary-size: sizes a capillary tube from the command line with the desktop program's
// engine, one design from options or a CSV batch; checks a sized tube, or rates a given one,
// with the second-opinion models.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <optional>
#include <string>
#include <thread>

#include <CLI/CLI.hpp>

#include "engine/input_fields.h"
#include "engine/validation_table.h"
#include "io/project_design.h"
#include "io/project_file_reader.h"
#include "product.h"

#include "batch.h"
#include "exit_codes.h"
#include "flow_profile_report.h"
#include "rating_report.h"
#include "run_report.h"
#include "second_opinion_report.h"
#include "sizing_run.h"
#ifdef CAPILLARY_SIZE_REPORTS
#include "report_output.h"
#endif

namespace {

using capillary::InputTexts;
using capillary::UnitSystem;
namespace cli = capillary::cli;

struct Options {
    std::string projectFile;
    InputTexts texts;
    std::string units = "ip";
    bool json = false;
    bool bores = false;
    bool check = false;
    bool profile = false;
    bool rate = false;
    std::string bore, tubeLength;
    bool validate = false;
    std::string batch;
    int jobs = 0;        // 0: one per hardware thread
    std::string report;  // the PDF to write the saved design's report to
    std::string customer, project, note;
};

// What each design option takes; the option names come from the table of the window's inputs.
const char* designOptionHelp(capillary::InputField field) {
    using capillary::InputField;
    switch (field) {
        case InputField::Cmbrt:
            return "R22, R134a, R407C or R404A";
        case InputField::Txtcapacity:
            return "system capacity (tons, or kW with --units si)";
        case InputField::Txtet:
            return "evaporating temperature (F or C)";
        case InputField::Txtct:
            return "condensing temperature (F or C)";
        case InputField::Txtsh:
            return "superheat (F or K); no effect on the result";
        case InputField::Txtsc:
            return "subcooling (F or K)";
        case InputField::Cmbdpd:
            return "maximum pressure drop per length (psi/ft, or bar/m with --units si)";
        case InputField::Txtcircuit:
            return "number of parallel circuits";
    }
    return "";
}

void declare(CLI::App& app, Options& o) {
    // A repeated option takes its last value, so a script can override what it built up.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("FILE.cqz", o.projectFile,
                   "a saved project file to size, in its own unit system, instead of the "
                   "design options");
    for (const capillary::InputFieldInfo& info : capillary::kInputFields) {
        CLI::Option* option = app.add_option(std::string(info.option), o.texts.*info.text,
                                             designOptionHelp(info.field));
        if (info.field == capillary::InputField::Txtsh) option->default_str("0");
    }
    app.add_option("--units", o.units, "unit system of the inputs and results")
        ->check(CLI::IsMember({"ip", "si"}))
        ->default_str("ip");
    app.add_flag("--json", o.json, "print one JSON object instead of text");
    app.add_flag("--bores", o.bores, "also list every standard bore with its figures");
    app.add_flag("--check", o.check,
                 "also the sized tube by the homogeneous model and, for R22, the ASHRAE chart");
    app.add_flag("--profile", o.profile,
                 "also the homogeneous model's march along the sized tube, as CSV");
    app.add_flag("--rate", o.rate,
                 "rate a given tube instead: the flow and capacity it passes by each model");
    app.add_option("--bore", o.bore, "with --rate: the tube's bore (in, or mm with --units si)");
    app.add_option("--tube-length", o.tubeLength,
                   "with --rate: the tube's length (ft, or m with --units si)");
    app.add_flag("--validate", o.validate,
                 "print the models set against the handbook and each other, as Markdown");
    app.add_option("--batch", o.batch,
                   "size every row of a CSV file (- for standard input) and print CSV");
    app.add_option("--jobs", o.jobs,
                   "with --batch: threads that size rows (default: one per hardware thread)")
        ->check(CLI::PositiveNumber);
#ifdef CAPILLARY_SIZE_REPORTS
    app.add_option("--report", o.report,
                   "with FILE.cqz: also write the design's one-page report to this PDF");
    app.add_option("--customer", o.customer, "the report's customer, instead of the file's");
    app.add_option("--project", o.project, "the report's project, instead of the file's");
    app.add_option("--note", o.note, "the report's note, instead of the file's");
#endif
    app.set_version_flag("--version", "capillary-size " + std::string(capillary::kProductVersion));
    app.footer(
        "Each value is the text you would type into the window's field; it passes the same\n"
        "checks. Exit codes: 0 sized (or rated), 1 an input was rejected, 2 no bore meets the\n"
        "limit (with --rate: the homogeneous model cannot rate the tube), 64 usage error.");
}

// Refuses options that do not go together, naming the first offender; true when all is well.
bool optionsFit(const CLI::App& app, std::initializer_list<const char*> options,
                const char* reason) {
    for (const char* option : options) {
        if (app.count(option)) {
            std::fprintf(stderr, "capillary-size: %s %s\n", option, reason);
            return false;
        }
    }
    return true;
}

bool designOptionsGiven(const CLI::App& app, const char* reason) {
    for (const capillary::InputFieldInfo& info : capillary::kInputFields) {
        const std::string option(info.option);
        if (!optionsFit(app, {option.c_str()}, reason)) return false;
    }
    return true;
}

// Whether no option but `only` was given; names the first other one when not.
bool givenAlone(const CLI::App& app, const std::string& only) {
    for (const CLI::Option* option : app.get_options()) {
        const std::string name = option->get_name();
        if (option->count() > 0 && name != only) {
            std::fprintf(stderr, "capillary-size: %s cannot be combined with %s\n", name.c_str(),
                         only.c_str());
            return false;
        }
    }
    return true;
}

void printJson(const nlohmann::ordered_json& json) {
    std::fputs((json.dump(2) + "\n").c_str(), stdout);
}

// A run that sized no tube has nothing for the second opinions to look at.
void print(const cli::SizingRun& run, const Options& o) {
    const std::optional<capillary::SecondOpinion> opinion =
        o.check || o.profile ? cli::secondOpinionOf(run) : std::nullopt;
    if (o.json) {
        nlohmann::ordered_json json = toJson(run);
        if (opinion && o.check) json["check"] = cli::secondOpinionJson(*opinion);
        if (opinion && o.profile) json["profile"] = cli::flowProfileJson(opinion->homogeneous);
        printJson(json);
        return;
    }
    printText(run, stdout, stderr);
    if (opinion && o.check) cli::printSecondOpinion(*opinion, run.unit, stdout);
    if (opinion && o.profile) cli::printFlowProfile(opinion->homogeneous, run.unit, stdout);
}

// The rating shares the design's temperature options; left out, the circuits are one.
capillary::RatingTexts ratingTexts(const Options& o, const CLI::App& app) {
    capillary::RatingTexts texts{.refrigerant = o.texts.refrigerant,
                                 .bore = o.bore,
                                 .tubeLength = o.tubeLength,
                                 .evaporating = o.texts.evaporating,
                                 .condensing = o.texts.condensing,
                                 .subcooling = o.texts.subcooling};
    if (app.count("--circuits")) texts.circuits = o.texts.circuits;
    return texts;
}

int rateTube(const Options& o, const CLI::App& app, UnitSystem unit) {
    const char* reason = "cannot be combined with --rate";
    if (!optionsFit(app,
                    {"FILE.cqz", "--capacity", "--superheat", "--max-dp", "--bores", "--check",
                     "--profile", "--batch"},
                    reason)) {
        return cli::kUsage;
    }
#ifdef CAPILLARY_SIZE_REPORTS
    if (!optionsFit(app, {"--report", "--customer", "--project", "--note"}, reason)) {
        return cli::kUsage;
    }
#endif
    const cli::RatingRun run = cli::runRating(ratingTexts(o, app), unit);
    if (o.json) {
        printJson(toJson(run));
    } else {
        printText(run, stdout, stderr);
    }
    return run.exitCode();
}

int printValidation(const CLI::App& app) {
    if (!givenAlone(app, "--validate")) return cli::kUsage;
    std::fputs(capillary::formatValidationTable(capillary::validationRows()).c_str(), stdout);
    return EXIT_SUCCESS;
}

int sizeOne(const InputTexts& texts, UnitSystem unit, const Options& o) {
    const cli::SizingRun run = cli::runSizing(texts, unit, cli::InputSource::Options, o.bores);
    print(run, o);
    return run.exitCode();
}

#ifdef CAPILLARY_SIZE_REPORTS
// A rejected design gets no report, as it has no sound results to show; one without a bore
// gets its report with empty results and keeps its exit code.
int writeReport(const Options& o, const capillary::ProjectRecord& record,
                const capillary::OpenedDesign& design, const cli::SizingRun& run,
                const CLI::App& app) {
    if (run.exitCode() == cli::kInputRejected) {
        std::fprintf(stderr, "capillary-size: no report written, as the design was rejected\n");
        return cli::kInputRejected;
    }
    cli::ReportRequest request{o.report, {}, {}, {}};
    if (app.count("--customer")) request.customer = o.customer;
    if (app.count("--project")) request.project = o.project;
    if (app.count("--note")) request.note = o.note;
    if (!cli::writeReport(request, record, design, run, stderr)) return cli::kInputRejected;
    return run.exitCode();
}
#endif

// Sizes a saved design exactly as the window would after opening it.
int sizeProjectFile(const Options& o, [[maybe_unused]] const CLI::App& app) {
    const capillary::ProjectReadResult read = capillary::readProjectFile(o.projectFile);
    if (!read.ok()) {
        const std::string name = std::filesystem::path(o.projectFile).filename().string();
        const std::string message = capillary::openFailureMessage(name, read.reason);
        if (o.json) {
            const nlohmann::ordered_json json{
                {"error", message}, {"field", nullptr}, {"option", nullptr}};
            std::puts(json.dump(2).c_str());
        } else {
            std::fprintf(stderr, "capillary-size: %s\n", message.c_str());
        }
        return cli::kInputRejected;
    }
    const capillary::OpenedDesign design = capillary::openedDesign(*read.record);
    const cli::SizingRun run =
        cli::runSizing(design.texts, design.unit, cli::InputSource::ProjectFile, o.bores);
    print(run, o);
#ifdef CAPILLARY_SIZE_REPORTS
    if (!o.report.empty()) return writeReport(o, *read.record, design, run, app);
#endif
    return run.exitCode();
}

bool isRegularFile(int fd) {
    struct stat status {};
    return ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
}

int sizeBatch(const Options& o, UnitSystem unit) {
    const int fd = o.batch == "-" ? STDIN_FILENO : ::open(o.batch.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        std::perror(("capillary-size: " + o.batch).c_str());
        return cli::kInputRejected;
    }
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);

    cli::BatchSettings settings;
    settings.defaultUnit = unit;
    settings.jobs =
        o.jobs > 0 ? o.jobs : std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
    // Into a file the output is written in large blocks; a reader on a pipe or a person at a
    // terminal sees each row as soon as it is sized.
    settings.flushAsSized = !isRegularFile(STDOUT_FILENO);
    struct stat input {};
    if (::isatty(STDERR_FILENO) && ::fstat(fd, &input) == 0 && S_ISREG(input.st_mode)) {
        settings.progressOfBytes = static_cast<std::uintmax_t>(input.st_size);
    }
    const cli::ByteSource read = [fd](char* buffer, std::size_t size) -> std::ptrdiff_t {
        for (;;) {
            const ssize_t n = ::read(fd, buffer, size);
            if (n >= 0 || errno != EINTR) return n;
        }
    };
    const int code = cli::runBatch(read, stdout, stderr, settings);
    if (fd != STDIN_FILENO) ::close(fd);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
    // A file-size limit reached while writing must fail the write, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    CLI::App app{"Sizes the capillary tube of a refrigeration circuit.", "capillary-size"};
    Options options;
    declare(app, options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        std::fprintf(stderr,
                     "capillary-size: %s\nUsage: capillary-size [OPTIONS] (--help lists them)\n",
                     e.what());
        return cli::kUsage;
    }
    if (options.validate) return printValidation(app);
    if (options.batch.empty() && !optionsFit(app, {"--jobs"}, "needs --batch")) return cli::kUsage;
    const UnitSystem unit = options.units == "si" ? UnitSystem::Metric : UnitSystem::English;
    if (options.rate) return rateTube(options, app, unit);
    if (!optionsFit(app, {"--bore", "--tube-length"}, "needs --rate")) return cli::kUsage;
    if (!options.projectFile.empty()) {
        if (!designOptionsGiven(app, "cannot be combined with a project file") ||
            !optionsFit(app, {"--units", "--batch"}, "cannot be combined with a project file")) {
            return cli::kUsage;
        }
#ifdef CAPILLARY_SIZE_REPORTS
        for (const char* option : {"--customer", "--project", "--note"}) {
            if (app.count(option) && options.report.empty()) {
                std::fprintf(stderr, "capillary-size: %s needs --report\n", option);
                return cli::kUsage;
            }
        }
#endif
        return sizeProjectFile(options, app);
    }
#ifdef CAPILLARY_SIZE_REPORTS
    for (const char* option : {"--report", "--customer", "--project", "--note"}) {
        if (app.count(option)) {
            std::fprintf(stderr, "capillary-size: %s needs a project file\n", option);
            return cli::kUsage;
        }
    }
#endif
    if (options.batch.empty()) return sizeOne(options.texts, unit, options);
    // A batch takes its designs from its rows and writes CSV; nothing else can be honoured.
    if (!designOptionsGiven(app, "cannot be combined with --batch") ||
        !optionsFit(app, {"--json", "--bores", "--check", "--profile"},
                    "cannot be combined with --batch")) {
        return cli::kUsage;
    }
    return sizeBatch(options, unit);
}
