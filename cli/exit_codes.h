#pragma once

namespace capillary::cli {

// What capillary-size returns to scripts.
enum ExitCode : int {
    kSized = 0,
    kInputRejected = 1,  // an input check failed, or the input could not be read
    kNoBore = 2,         // the inputs were sound but no standard bore meets the limit
    kUsage = 64,         // the command line itself was wrong
};

}  // namespace capillary::cli
