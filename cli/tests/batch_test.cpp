#include "batch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace capillary::cli {
namespace {

struct BatchResult {
    ExitCode code;
    std::string out, err;
};

// Runs a batch over in-memory streams.
BatchResult runOn(const std::string& input, UnitSystem unit = UnitSystem::English) {
    std::FILE* in = fmemopen(const_cast<char*>(input.data()), input.size(), "r");
    char* outData = nullptr;
    char* errData = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* out = open_memstream(&outData, &outSize);
    std::FILE* err = open_memstream(&errData, &errSize);
    const ExitCode code = runBatch(in, out, err, unit);
    std::fclose(in);
    std::fclose(out);
    std::fclose(err);
    BatchResult result{code, std::string(outData, outSize), std::string(errData, errSize)};
    std::free(outData);
    std::free(errData);
    return result;
}

TEST(Batch, SizesEveryRowAndKeepsGoingPastBadOnes) {
    const BatchResult r = runOn(
        "id,circuits,max_dp,subcooling,condensing,evaporating,capacity,refrigerant,units\n"
        "a,1,10,10,110,40,1,R22,\n"
        "b,1,2,5,45,5,3.5,R22,si\n"
        "c,1,1,10,120,40,10,R22,ip\n"
        "d,0,10,10,110,40,1,R22,\n"
        "e,1,10\n"
        "f,1,10,10,110,40,1,R22,kelvin\n"
        "\"g,h\",1,10,10,110,40,1,R22,\n");
    EXPECT_EQ(r.code, kSized);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "id,circuits,max_dp,subcooling,condensing,evaporating,capacity,refrigerant,units,"
              "line_size,velocity,length,total_pressure_drop,actual_pressure_drop,error\n"
              "a,1,10,10,110,40,1,R22,,0.09,15.86,22.1,130,5.9,\n"
              "b,1,2,5,45,5,3.5,R22,si,0.09,4.91,7137,10,1.4,\n"
              "c,1,1,10,120,40,10,R22,ip,,,,,,There is not any pipe size with this data.\n"
              "d,0,10,10,110,40,1,R22,,,,,,,Data is not complete. \n"
              "e,1,10,,,,,,,,,,,,the row has 3 fields; the header has 9\n"
              "f,1,10,10,110,40,1,R22,kelvin,,,,,,units must be ip or si\n"
              "\"g,h\",1,10,10,110,40,1,R22,,0.09,15.86,22.1,130,5.9,\n");
}

TEST(Batch, DefaultUnitsAndSuperheatColumn) {
    const BatchResult r = runOn(
        "refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits,superheat\r\n"
        "R22,3.5,5,45,5,2,1,\r\n",
        UnitSystem::Metric);
    EXPECT_EQ(r.code, kSized);
    EXPECT_NE(r.out.find("R22,3.5,5,45,5,2,1,,0.09,4.91,7137,10,1.4,\n"), std::string::npos)
        << r.out;
}

TEST(Batch, RefusesStreamsItCannotRead) {
    struct Case {
        const char* input;
        const char* message;
    };
    const Case cases[] = {
        {"", "capillary-size: the batch input has no header row\n"},
        {"refrigerant,capacity\nR22,1\n", "capillary-size: the header lacks the column evaporating\n"},
        {"refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits,capacity\n",
         "capillary-size: the header names the column capacity twice\n"},
        {"refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits\n"
         "R22,1,40,110,10,10,1\nR22,\"1\"x,40\n",
         "capillary-size: line 3: malformed CSV (error parsing data while strict checking "
         "enabled)\n"},
        {"refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits\n\"R22,1\n",
         "capillary-size: line 2: malformed CSV (error parsing data while strict checking "
         "enabled)\n"},
    };
    for (const auto& [input, message] : cases) {
        const BatchResult r = runOn(input);
        EXPECT_EQ(r.code, kInputRejected) << input;
        EXPECT_EQ(r.err, message) << input;
    }
}

}  // namespace
}  // namespace capillary::cli
