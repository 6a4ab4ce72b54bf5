#pragma once

#include <string_view>

namespace capillary::Mdlerror {

// The sizer's fixed error messages, word for word (trailing blanks included), all shown under
// the same title.
inline constexpr std::string_view kTitle = "error";
inline constexpr std::string_view kDataIncomplete = "Data is not complete. ";
inline constexpr std::string_view kNoPipeSize = "There is not any pipe size with this data.";
inline constexpr std::string_view kEvapRangeF =
    "Valid Range Is -40 to 55 F.please insert correct data ";
inline constexpr std::string_view kCondRangeF =
    "Valid Range Is 80 to 150 F.please insert correct data. ";
inline constexpr std::string_view kCondRangeC =
    "Valid Range Is 25 to 65 C.please insert correct data. ";
inline constexpr std::string_view kEvapRangeC =
    "Valid Range Is -40 to 12 C.please insert correct data ";

}  // namespace capillary::Mdlerror
