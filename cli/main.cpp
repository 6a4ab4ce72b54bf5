// capillary-size: sizes a capillary tube from the command line with the desktop program's
// engine, one design from options or a CSV batch.
#include <cstdio>
#include <filesystem>
#include <string>

#include <CLI/CLI.hpp>

#include "io/project_design.h"
#include "io/project_file_reader.h"

#include "batch.h"
#include "exit_codes.h"
#include "run_report.h"
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
    std::string batch;
    std::string report;  // the PDF to write the saved design's report to
    std::string customer, project, note;
};

void declare(CLI::App& app, Options& o) {
    // A repeated option takes its last value, so a script can override what it built up.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.add_option("FILE.cqz", o.projectFile,
                   "a saved project file to size, in its own unit system, instead of the "
                   "design options");
    app.add_option("--refrigerant", o.texts.refrigerant, "R22, R134a, R407C or R404A");
    app.add_option("--capacity", o.texts.capacity, "system capacity (tons, or kW with --units si)");
    app.add_option("--evaporating", o.texts.evaporating, "evaporating temperature (F or C)");
    app.add_option("--condensing", o.texts.condensing, "condensing temperature (F or C)");
    app.add_option("--subcooling", o.texts.subcooling, "subcooling (F or K)");
    app.add_option("--superheat", o.texts.superheat, "superheat (F or K); no effect on the result")
        ->default_str("0");
    app.add_option("--max-dp", o.texts.maxPressureDrop,
                   "maximum pressure drop per length (psi/ft, or bar/m with --units si)");
    app.add_option("--circuits", o.texts.circuits, "number of parallel circuits");
    app.add_option("--units", o.units, "unit system of the inputs and results")
        ->check(CLI::IsMember({"ip", "si"}))
        ->default_str("ip");
    app.add_flag("--json", o.json, "print one JSON object instead of text");
    app.add_flag("--bores", o.bores, "also list every standard bore with its figures");
    app.add_option("--batch", o.batch,
                   "size every row of a CSV file (- for standard input) and print CSV");
#ifdef CAPILLARY_SIZE_REPORTS
    app.add_option("--report", o.report,
                   "with FILE.cqz: also write the design's one-page report to this PDF");
    app.add_option("--customer", o.customer, "the report's customer, instead of the file's");
    app.add_option("--project", o.project, "the report's project, instead of the file's");
    app.add_option("--note", o.note, "the report's note, instead of the file's");
#endif
    app.set_version_flag("--version", std::string("capillary-size ") + CAPILLARY_VERSION);
    app.footer(
        "Each value is the text you would type into the window's field; it passes the same\n"
        "checks. Exit codes: 0 sized, 1 an input was rejected, 2 no bore meets the limit,\n"
        "64 usage error.");
}

// The design options and the unit system come from a project file instead, when one is given.
constexpr const char* kDesignOptions[] = {"--refrigerant", "--capacity",   "--evaporating",
                                          "--condensing",  "--subcooling", "--superheat",
                                          "--max-dp",      "--circuits",   "--units",
                                          "--batch"};

void print(const cli::SizingRun& run, const Options& o) {
    if (o.json) {
        std::fputs((toJson(run).dump(2) + "\n").c_str(), stdout);
    } else {
        printText(run, stdout, stderr);
    }
}

int sizeOne(const InputTexts& texts, UnitSystem unit, const Options& o) {
    const cli::SizingRun run = cli::runSizing(texts, unit, o.bores);
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
            std::puts(nlohmann::ordered_json{{"error", message}, {"field", nullptr}}.dump(2).c_str());
        } else {
            std::fprintf(stderr, "capillary-size: %s\n", message.c_str());
        }
        return cli::kInputRejected;
    }
    const capillary::OpenedDesign design = capillary::openedDesign(*read.record);
    const cli::SizingRun run = cli::runSizing(design.texts, design.unit, o.bores);
    print(run, o);
#ifdef CAPILLARY_SIZE_REPORTS
    if (!o.report.empty()) return writeReport(o, *read.record, design, run, app);
#endif
    return run.exitCode();
}

int sizeBatch(const Options& o, UnitSystem unit) {
    std::FILE* in = o.batch == "-" ? stdin : std::fopen(o.batch.c_str(), "rb");
    if (!in) {
        std::perror(("capillary-size: " + o.batch).c_str());
        return cli::kInputRejected;
    }
    static char outputBuffer[1 << 16];
    std::setvbuf(stdout, outputBuffer, _IOFBF, sizeof outputBuffer);
    const int code = cli::runBatch(in, stdout, stderr, unit);
    if (in != stdin) std::fclose(in);
    return code;
}

}  // namespace

int main(int argc, char** argv) {
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
    if (!options.projectFile.empty()) {
        for (const char* option : kDesignOptions) {
            if (app.count(option)) {
                std::fprintf(stderr, "capillary-size: %s cannot be combined with a project file\n",
                             option);
                return cli::kUsage;
            }
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
    const UnitSystem unit = options.units == "si" ? UnitSystem::Metric : UnitSystem::English;
    return options.batch.empty() ? sizeOne(options.texts, unit, options)
                                 : sizeBatch(options, unit);
}
