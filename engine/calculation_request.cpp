#include "calculation_request.h"

#include "messages.h"
#include "numeric_text.h"

namespace capillary {
namespace {

constexpr double kLowestEvaporatingTemperature = -40.0;  // °F and °C alike
constexpr double kLowestCondensingF = 80.0;
constexpr double kLowestCondensingC = 25.0;

struct Checker {
    CalculationRequest& request;

    bool fail(InputField field, std::string_view message) {
        request.failure = InputFailure{field, message};
        return false;
    }
    // The value of a numeric text, or a "Data is not complete. " failure of its field.
    std::optional<double> require(InputField field, const std::string& text) {
        auto value = parseNumericText(text);
        if (!value) fail(field, Mdlerror::kDataIncomplete);
        return value;
    }
};

double valueOrZero(std::string& text) {
    if (auto value = parseNumericText(text)) return *value;
    text.assign(1, '0');
    return 0.0;
}

}  // namespace

CalculationRequest checkCalculationRequest(InputTexts texts, UnitSystem unit) {
    CalculationRequest request;
    request.texts = std::move(texts);
    InputTexts& t = request.texts;
    Checker check{request};
    const bool metric = unit == UnitSystem::Metric;

    if (t.refrigerant.empty()) {
        check.fail(InputField::Cmbrt, Mdlerror::kDataIncomplete);
        return request;
    }
    // A capacity of zero or below has no mass flow to size for.
    auto capacity = check.require(InputField::Txtcapacity, t.capacity);
    if (capacity && *capacity <= 0) check.fail(InputField::Txtcapacity, Mdlerror::kDataIncomplete);
    if (!request.ok()) return request;

    auto evaporating = check.require(InputField::Txtet, t.evaporating);
    if (!evaporating) return request;
    if (*evaporating < kLowestEvaporatingTemperature) {
        check.fail(InputField::Txtet, metric ? Mdlerror::kEvapRangeC : Mdlerror::kEvapRangeF);
        return request;
    }
    auto condensing = check.require(InputField::Txtct, t.condensing);
    if (!condensing) return request;
    if (*condensing < (metric ? kLowestCondensingC : kLowestCondensingF)) {
        check.fail(InputField::Txtct, metric ? Mdlerror::kCondRangeC : Mdlerror::kCondRangeF);
        return request;
    }
    const double superheat = valueOrZero(t.superheat);
    const double subcooling = valueOrZero(t.subcooling);

    // A text such as a lone "." is not empty but holds no number either.
    auto maxPressureDrop = check.require(InputField::Cmbdpd, t.maxPressureDrop);
    if (!maxPressureDrop) return request;
    // Fewer than one circuit would divide the capacity by zero or turn it negative.
    auto circuits = check.require(InputField::Txtcircuit, t.circuits);
    if (circuits && *circuits < 1) check.fail(InputField::Txtcircuit, Mdlerror::kDataIncomplete);
    if (!request.ok()) return request;

    DesignCase& d = request.designCase;
    if (metric) {
        d.CAPACITY = toEnglish(Quantity::Capacity, *capacity);
        d.et = toEnglish(Quantity::Temperature, *evaporating);
        d.ct = toEnglish(Quantity::Temperature, *condensing);
        d.sh = toEnglish(Quantity::TemperatureDifference, superheat);
        d.sc = toEnglish(Quantity::TemperatureDifference, subcooling);
        d.dpd = toEnglish(Quantity::PressureGradient, *maxPressureDrop);
    } else {
        d = DesignCase{*capacity, *evaporating, *condensing,
                       superheat, subcooling,   *maxPressureDrop};
    }
    request.circuits = *circuits;
    return request;
}

}  // namespace capillary
