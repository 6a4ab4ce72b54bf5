#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/MdlLiquid.h"
#include "engine/calculation_request.h"
#include "engine/output_texts.h"
#include "engine/typing_rejection.h"
#include "exit_codes.h"

namespace capillary::cli {

// Where the inputs of a run came from, which decides the checks they get and how a message
// names them.
enum class InputSource {
    Options,     // typed on the command line: the window's typing checks apply, by option name
    BatchRow,    // a batch row: the same checks, by column name
    ProjectFile  // a saved design: opened as the window opens it, with the Calculate checks only
};

// One design taken through the same steps as the window's Calculate command.
struct SizingRun {
    UnitSystem unit = UnitSystem::English;
    // The input that typing could never have put into its field, with the whole message.
    std::optional<TypingRejection> rejection;
    CalculationRequest request;  // the Calculate checks; run only when nothing was rejected
    std::optional<Sizing> sizing;
    std::optional<OutputTexts> outputs;
    std::optional<std::array<BoreEvaluation, kBoreCount>> bores;  // when asked for

    ExitCode exitCode() const;
    // Whether the Calculate checks passed, so that a design (sized or not) was formed.
    bool designChecked() const { return !rejection && request.ok(); }
    // The message a failed run reports, and the input it names (none when no input is at
    // fault).
    std::string_view errorMessage() const;
    std::optional<InputField> errorField() const;
};

SizingRun runSizing(InputTexts texts, UnitSystem unit, InputSource source, bool withBores);

}  // namespace capillary::cli
