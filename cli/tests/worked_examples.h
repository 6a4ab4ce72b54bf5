#pragma once

#include <string>

namespace capillary::testing {

// The README's first worked design, and its Metric counterpart.
inline const std::string kFirstExample =
    "--refrigerant R22 --capacity 1 --evaporating 40 --condensing 110 --subcooling 10 "
    "--max-dp 10 --circuits 1";
inline const std::string kMetricExample =
    "--units si --refrigerant R22 --capacity 3.5 --evaporating 5 --condensing 45 "
    "--subcooling 5 --max-dp 2 --circuits 1";

// The tube the first design is sized to, to be rated.
inline const std::string kRating =
    "--rate --refrigerant R22 --bore 0.09 --tube-length 22.1 --evaporating 40 --condensing 110 "
    "--subcooling 10";

}  // namespace capillary::testing
