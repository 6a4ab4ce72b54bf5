#include "batch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace capillary::cli {
namespace {

struct BatchResult {
    ExitCode code;
    std::string out, err;
};

// Hands out `input` a few bytes per read, so rows and lines arrive split across reads.
ByteSource trickle(const std::string& input, std::size_t bytesPerRead = 7) {
    return [input, at = std::size_t{0}, bytesPerRead](char* buffer,
                                                      std::size_t size) mutable -> std::ptrdiff_t {
        const std::size_t n = std::min({bytesPerRead, size, input.size() - at});
        input.copy(buffer, n, at);
        at += n;
        return static_cast<std::ptrdiff_t>(n);
    };
}

// Runs a batch over in-memory streams.
BatchResult runOn(const ByteSource& in, const BatchSettings& settings = {}) {
    char* outData = nullptr;
    char* errData = nullptr;
    std::size_t outSize = 0, errSize = 0;
    std::FILE* out = open_memstream(&outData, &outSize);
    std::FILE* err = open_memstream(&errData, &errSize);
    const ExitCode code = runBatch(in, out, err, settings);
    std::fclose(out);
    std::fclose(err);
    BatchResult result{code, std::string(outData, outSize), std::string(errData, errSize)};
    std::free(outData);
    std::free(errData);
    return result;
}

BatchResult runOn(const std::string& input, UnitSystem unit = UnitSystem::English) {
    BatchSettings settings;
    settings.defaultUnit = unit;
    return runOn(trickle(input), settings);
}

const std::string kHeader =
    "refrigerant,capacity,evaporating,condensing,subcooling,max_dp,circuits";
const std::string kOutputHeader =
    "line_size,velocity,length,total_pressure_drop,actual_pressure_drop,error";

TEST(Batch, SizesEveryRowAndKeepsGoingPastBadOnes) {
    const BatchResult r = runOn(
        "id,circuits,max_dp,subcooling,condensing,evaporating,capacity,refrigerant,units\n"
        "a,1,10,10,110,40,1,R22,\n"
        "b,1,2,5,45,5,3.5,R22,si\n"
        "c,1,1,10,120,40,10,R22,ip\n"
        "d,0,10,10,110,40,1,R22,\n"
        "e,1,10\n"
        "f,1,10,10,110,40,1,R22,kelvin\n"
        "\"g,h\",1,10,10,110,40,1,R22,\n"
        "i,1,10,10,110,40,12,R22,\n"
        "j,1,10,10,110,40,1,R22,,extra\n");
    EXPECT_EQ(r.code, kInputRejected);
    EXPECT_EQ(r.err, "9 rows: 3 sized, 1 no bore, 5 rejected\n");
    EXPECT_EQ(r.out,
              "id,circuits,max_dp,subcooling,condensing,evaporating,capacity,refrigerant,units,"
              "line_size,velocity,length,total_pressure_drop,actual_pressure_drop,error\n"
              "a,1,10,10,110,40,1,R22,,0.09,15.86,22.1,130,5.9,\n"
              "b,1,2,5,45,5,3.5,R22,si,0.09,4.91,7137,10,1.4,\n"
              "c,1,1,10,120,40,10,R22,ip,,,,,,There is not any pipe size with this data.\n"
              "d,0,10,10,110,40,1,R22,,,,,,,Data is not complete. \n"
              "e,1,10,,,,,,,,,,,,the row has 3 fields; the header has 9\n"
              "f,1,10,10,110,40,1,R22,kelvin,,,,,,units must be ip or si\n"
              "\"g,h\",1,10,10,110,40,1,R22,,0.09,15.86,22.1,130,5.9,\n"
              "i,1,10,10,110,40,12,R22,,,,,,,"
              "\"capacity 12: above 10 tons, the largest capacity (Valid Range Is 1 to 10 Ton)\"\n"
              "j,1,10,10,110,40,1,R22,,,,,,,the row has 10 fields; the header has 9\n");
}

// 0 when every row is sized, 2 when some find no bore and none is rejected, 1 otherwise.
TEST(Batch, ExitStatusAndSummarySayHowTheRowsWent) {
    struct Case {
        std::string rows;
        ExitCode code;
        const char* summary;
    };
    const Case cases[] = {
        {"R22,1,40,110,10,10,1\n", kSized, "1 row: 1 sized, 0 no bore, 0 rejected\n"},
        {"R22,1,40,110,10,10,1\nR22,10,40,120,10,1,1\n", kNoBore,
         "2 rows: 1 sized, 1 no bore, 0 rejected\n"},
        {"R22,10,40,120,10,1,1\nR22,1,40,110,10,10,0\n", kInputRejected,
         "2 rows: 0 sized, 1 no bore, 1 rejected\n"},
        {"", kSized, "0 rows: 0 sized, 0 no bore, 0 rejected\n"},
    };
    for (const Case& c : cases) {
        const BatchResult r = runOn(kHeader + "\n" + c.rows);
        EXPECT_EQ(r.code, c.code) << c.rows;
        EXPECT_EQ(r.err, c.summary) << c.rows;
    }
}

TEST(Batch, HeaderNamesMatchWithoutCaseOrBlanks) {
    const BatchResult r = runOn(
        "\xEF\xBB\xBF\"Refrigerant\", capacity ,EVAPORATING,Condensing,subcooling,Max_DP,"
        "circuits,Units,Superheat\r\n"
        "R22,3.5,5,45,5,2,1,SI,\r\n"
        "R22,1,40,110,10,10,1, Ip ,\r\n");
    EXPECT_EQ(r.code, kSized) << r.err;
    EXPECT_EQ(r.out,
              "Refrigerant, capacity ,EVAPORATING,Condensing,subcooling,Max_DP,circuits,Units,"
              "Superheat," +
                  kOutputHeader +
                  "\n"
                  "R22,3.5,5,45,5,2,1,SI,,0.09,4.91,7137,10,1.4,\n"
                  "R22,1,40,110,10,10,1, Ip ,,0.09,15.86,22.1,130,5.9,\n");
}

TEST(Batch, DefaultUnitsForRowsWithoutTheirOwn) {
    const BatchResult r = runOn(kHeader + "\nR22,3.5,5,45,5,2,1\n", UnitSystem::Metric);
    EXPECT_EQ(r.code, kSized);
    EXPECT_NE(r.out.find("R22,3.5,5,45,5,2,1,0.09,4.91,7137,10,1.4,\n"), std::string::npos);
}

// Rows keep their order whatever thread sized them.
TEST(Batch, ManyThreadsWriteWhatOneWrites) {
    std::string input = kHeader + ",id\n";
    for (int i = 0; i < 3000; ++i) {
        input += "R22," + std::to_string(i % 10 + 1) + ",40," + std::to_string(80 + i % 71) +
                 ",10," + std::to_string(i % 15 + 1) + ",1," + std::to_string(i) + "\n";
    }
    BatchSettings one, four;
    four.jobs = 4;
    const BatchResult single = runOn(trickle(input, 4096), one);
    const BatchResult parallel = runOn(trickle(input, 4096), four);
    EXPECT_EQ(single.code, parallel.code);
    EXPECT_EQ(single.err, parallel.err);
    EXPECT_EQ(single.out, parallel.out);
    EXPECT_EQ(std::count(parallel.out.begin(), parallel.out.end(), '\n'), 3001);
}

TEST(Batch, RefusesStreamsItCannotRead) {
    struct Case {
        std::string input;
        const char* message;
    };
    const Case cases[] = {
        {"", "capillary-size: the batch input has no header row\n"},
        {"refrigerant,capacity\nR22,1\n",
         "capillary-size: the header lacks the column evaporating\n"},
        {kHeader + ",Capacity\n", "capillary-size: the header names the column capacity twice\n"},
        {kHeader + ", Velocity\nR22,1,40,110,10,10,1,x\n",
         "capillary-size: the header's column  Velocity has the name of an output column\n"},
        {kHeader + "\nR22,1,40,110,10,10,1\nR22,\"1\"x,40\n",
         "capillary-size: line 3: malformed CSV (error parsing data while strict checking "
         "enabled)\n1 row: 1 sized, 0 no bore, 0 rejected\n"},
        {kHeader + "\n\"R22,1\n",
         "capillary-size: line 2: malformed CSV (error parsing data while strict checking "
         "enabled)\n0 rows: 0 sized, 0 no bore, 0 rejected\n"},
    };
    for (const auto& [input, message] : cases) {
        const BatchResult r = runOn(input);
        EXPECT_EQ(r.code, kInputRejected) << input;
        EXPECT_EQ(r.err, message) << input;
    }
    // A header that refuses the run stops it before any row is written.
    EXPECT_EQ(runOn(kHeader + ",error\nR22,1,40,110,10,10,1,x\n").out, "");
    const BatchResult unreadable = runOn([](char*, std::size_t) -> std::ptrdiff_t { return -1; });
    EXPECT_EQ(unreadable.code, kInputRejected);
    EXPECT_EQ(unreadable.err, "capillary-size: the batch input could not be read\n");
}

}  // namespace
}  // namespace capillary::cli
