#include "engine/calculation_request.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "engine/messages.h"

namespace capillary {
namespace {

// A complete English design that passes every check.
InputTexts soundDesign() {
    return {.refrigerant = "R22",
            .capacity = "1",
            .evaporating = "40",
            .condensing = "110",
            .superheat = "0",
            .subcooling = "10",
            .maxPressureDrop = "10",
            .circuits = "1"};
}

struct FailureCase {
    std::string_view name;
    UnitSystem unit;
    std::string InputTexts::*field;
    std::string text;
    InputField control;
    std::string_view message;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class CheckFailures : public testing::TestWithParam<FailureCase> {};

TEST_P(CheckFailures, StopAtTheFirstFailingControl) {
    const FailureCase& c = GetParam();
    InputTexts texts = soundDesign();
    texts.*c.field = c.text;
    const CalculationRequest request = checkCalculationRequest(texts, c.unit);
    ASSERT_FALSE(request.ok());
    EXPECT_EQ(controlName(request.failure->field), controlName(c.control));
    EXPECT_EQ(request.failure->message, c.message);
}

constexpr auto E = UnitSystem::English;
constexpr auto M = UnitSystem::Metric;
const std::string_view kIncomplete = Mdlerror::kDataIncomplete;

INSTANTIATE_TEST_SUITE_P(
    EveryStep, CheckFailures,
    testing::Values(FailureCase{"NoRefrigerant", E, &InputTexts::refrigerant, "", InputField::Cmbrt,
                                kIncomplete},
                    FailureCase{"EmptyCapacity", E, &InputTexts::capacity, "",
                                InputField::Txtcapacity, kIncomplete},
                    FailureCase{"TextCapacity", E, &InputTexts::capacity, "ten",
                                InputField::Txtcapacity, kIncomplete},
                    FailureCase{"ZeroCapacity", E, &InputTexts::capacity, "0",
                                InputField::Txtcapacity, kIncomplete},
                    FailureCase{"NegativeCapacity", M, &InputTexts::capacity, "-3",
                                InputField::Txtcapacity, kIncomplete},
                    FailureCase{"EmptyEvaporating", E, &InputTexts::evaporating, "",
                                InputField::Txtet, kIncomplete},
                    FailureCase{"LoneMinusEvaporating", E, &InputTexts::evaporating, "-",
                                InputField::Txtet, kIncomplete},
                    FailureCase{"ColdEvaporatingF", E, &InputTexts::evaporating, "-40.5",
                                InputField::Txtet, Mdlerror::kEvapRangeF},
                    FailureCase{"ColdEvaporatingC", M, &InputTexts::evaporating, "-41",
                                InputField::Txtet, Mdlerror::kEvapRangeC},
                    FailureCase{"EmptyCondensing", E, &InputTexts::condensing, "",
                                InputField::Txtct, kIncomplete},
                    FailureCase{"CoolCondensingF", E, &InputTexts::condensing, "79.9",
                                InputField::Txtct, Mdlerror::kCondRangeF},
                    FailureCase{"CoolCondensingC", M, &InputTexts::condensing, "24.9",
                                InputField::Txtct, Mdlerror::kCondRangeC},
                    FailureCase{"EmptyPressureDrop", E, &InputTexts::maxPressureDrop, "",
                                InputField::Cmbdpd, kIncomplete},
                    FailureCase{"LoneDotPressureDrop", E, &InputTexts::maxPressureDrop, ".",
                                InputField::Cmbdpd, kIncomplete},
                    FailureCase{"BlankPressureDrop", E, &InputTexts::maxPressureDrop, "  ",
                                InputField::Cmbdpd, kIncomplete},
                    FailureCase{"EmptyCircuits", E, &InputTexts::circuits, "",
                                InputField::Txtcircuit, kIncomplete},
                    FailureCase{"NoCircuits", E, &InputTexts::circuits, "0", InputField::Txtcircuit,
                                kIncomplete},
                    FailureCase{"NegativeCircuits", M, &InputTexts::circuits, "-2",
                                InputField::Txtcircuit, kIncomplete},
                    FailureCase{"HexCircuits", E, &InputTexts::circuits, "0x10",
                                InputField::Txtcircuit, kIncomplete},
                    FailureCase{"InfiniteCapacity", E, &InputTexts::capacity, "inf",
                                InputField::Txtcapacity, kIncomplete},
                    FailureCase{"OverflowingCapacity", E, &InputTexts::capacity, "1e999",
                                InputField::Txtcapacity, kIncomplete},
                    FailureCase{"NanCondensing", E, &InputTexts::condensing, "nan",
                                InputField::Txtct, kIncomplete}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CalculationRequest, AnEmptyWindowStopsAtTheRefrigerant) {
    const CalculationRequest request = checkCalculationRequest(InputTexts{}, E);
    ASSERT_FALSE(request.ok());
    EXPECT_EQ(request.failure->field, InputField::Cmbrt);
    EXPECT_EQ(request.texts.superheat, "0");  // untouched: its check was never reached
    EXPECT_EQ(request.texts.subcooling, "");
}

TEST(CalculationRequest, BoundsThemselvesPass) {
    struct Case {
        UnitSystem unit;
        const char* evaporating;
        const char* condensing;
    };
    // Only lower bounds are checked here; the upper ends of the ranges are the typing checks'.
    for (const auto& [unit, et, ct] :
         {Case{E, "-40", "80"}, Case{E, "60", "200"}, Case{M, "-40", "25"}, Case{M, "30", "90"}}) {
        InputTexts texts = soundDesign();
        texts.evaporating = et;
        texts.condensing = ct;
        EXPECT_TRUE(checkCalculationRequest(texts, unit).ok()) << et << ' ' << ct;
    }
}

TEST(CalculationRequest, TheOneCircuitAndTinyCapacityPass) {
    InputTexts texts = soundDesign();
    texts.capacity = "0.001";
    texts.circuits = "1";
    EXPECT_TRUE(checkCalculationRequest(texts, E).ok());
}

TEST(CalculationRequest, SuperheatAndSubcoolingDefaultToZeroEvenWhenALaterCheckFails) {
    InputTexts texts = soundDesign();
    texts.superheat = "";
    texts.subcooling = "x";
    texts.maxPressureDrop = "";
    const CalculationRequest failed = checkCalculationRequest(texts, E);
    ASSERT_FALSE(failed.ok());
    EXPECT_EQ(failed.failure->field, InputField::Cmbdpd);
    EXPECT_EQ(failed.texts.superheat, "0");
    EXPECT_EQ(failed.texts.subcooling, "0");

    texts.maxPressureDrop = "10";
    const CalculationRequest passed = checkCalculationRequest(texts, E);
    ASSERT_TRUE(passed.ok());
    EXPECT_EQ(passed.designCase.sh, 0);
    EXPECT_EQ(passed.designCase.sc, 0);
}

TEST(CalculationRequest, EnglishTextsBecomeTheirValues) {
    InputTexts texts = soundDesign();
    texts.evaporating = "40.0";
    texts.circuits = "2";
    const CalculationRequest request = checkCalculationRequest(texts, E);
    ASSERT_TRUE(request.ok());
    const DesignCase& d = request.designCase;
    EXPECT_EQ(d.CAPACITY, 1);
    EXPECT_EQ(d.et, 40);
    EXPECT_EQ(d.ct, 110);
    EXPECT_EQ(d.sc, 10);
    EXPECT_EQ(d.dpd, 10);
    EXPECT_EQ(request.circuits, 2);
}

TEST(CalculationRequest, MetricInputIsConvertedToEnglish) {
    const InputTexts texts{.refrigerant = "R22",
                           .capacity = "10",
                           .evaporating = "5",
                           .condensing = "45",
                           .superheat = "5",
                           .subcooling = "5",
                           .maxPressureDrop = "0.5",
                           .circuits = "1"};
    const CalculationRequest request = checkCalculationRequest(texts, M);
    ASSERT_TRUE(request.ok());
    const DesignCase& d = request.designCase;
    EXPECT_DOUBLE_EQ(d.CAPACITY, 2.843451433);
    EXPECT_DOUBLE_EQ(d.et, 41);
    EXPECT_DOUBLE_EQ(d.ct, 113);
    EXPECT_DOUBLE_EQ(d.sh, 9);
    EXPECT_DOUBLE_EQ(d.sc, 9);
    EXPECT_DOUBLE_EQ(d.dpd, 2.210375);
}

TEST(CalculationRequest, ARefrigerantOfBlanksIsNotEmpty) {
    InputTexts texts = soundDesign();
    texts.refrigerant = "  ";
    EXPECT_TRUE(checkCalculationRequest(texts, E).ok());
}

}  // namespace
}  // namespace capillary
