#include "Mdlproperties.h"

#include <cmath>
#include <cstddef>

namespace capillary {
namespace {

// Coefficients c0 … cN in ascending powers of T (°F); unused higher powers stay zero.
struct Polynomial {
    int degree;
    std::array<double, 7> c;

    // Powers from 2 up are formed with the general power operation, as the correlations were
    // fitted; the terms are summed from the highest power down.
    double operator()(double t) const {
        double sum = 0.0;
        for (int n = degree; n >= 2; --n) sum += c[n] * std::pow(t, static_cast<double>(n));
        return sum + c[1] * t + c[0];
    }
};

struct Refrigerant {
    std::string_view name;
    Polynomial saturationPressure, liquidEnthalpy, vaporEnthalpy, liquidDensity, vaporDensity,
        liquidViscosity, vaporViscosity;
};

constexpr std::array<Refrigerant, 4> kRefrigerants{{
    {"R22",
     {3, {38.89464267, 0.80861205, 0.00631261, 2.699e-5}},
     {3, {74.9925672331, 0.3457989228, -0.0006583775, 2.8615e-6}},
     {3, {171.09765853747, 0.10050763952772, -0.000211905405267, -6.2176896e-7}},
     {3, {85.69294609, -0.1710772, 0.00060521, -3.3e-6}},
     {3, {0.727522185854436, 0.014460383912482, 0.000114429838796, 4.66544343e-7}},
     {3, {0.666554823646985, -0.00523383001151238, 2.569930828592e-5, -6.265676081e-8}},
     {3, {0.0260290473151498, 5.837298264397e-5, 1.1142113345e-7, 5.7888374e-10}}},
    {"R134a",
     {3, {21.33176899, 0.49267428, 0.00438693, 2.451e-5}},
     {3, {75.8779746582, 0.3102592528, 0.0001567537, 3.887e-7}},
     {6,
      {165.977493850475, 0.143855670631513, -8.7217343257e-5, -3.88732143e-7, -1.22403e-10,
       3.082e-12, 7.9e-14}},
     {3, {84.3517129, -0.10393985, -0.00010249, -7.2e-7}},
     {6,
      {0.466316357877889, 0.010416248565628, 9.1258039758e-5, 4.12146969e-7, 1.201523e-9, -7e-12,
       7.2e-14}},
     {3, {0.833201498423662, -0.00620959634835983, 2.609809671286e-5, -6.865272849e-8}},
     {3, {0.0244166108615, 5.15969317e-5, 2.63454e-8, 1.0326e-9}}},
    {"R407C",
     {3, {34.49568256, 0.76484414, 0.00640585, 3.578e-5}},
     {3, {75.3801752326, 0.3248522315, 9.96222e-5, 1.3083e-6}},
     {6,
      {171.853838488564, 0.131290133564833, -0.000195359090291, -9.30350034e-7, -3.722937e-9,
       7.4926e-11, -4.54e-13}},
     {3, {81.20185734, -0.11734253, -0.00013956, -9.7e-7}},
     {6,
      {0.643511830747792, 0.013895365816364, 0.000115497000876, 5.8653812e-7, 3.366311e-9,
       -3.9462e-11, 2.68e-13}},
     {3, {0.802178695413577, -0.0061516001227446, 2.565773239294e-5, -6.753015048e-8}},
     {3, {0.0336719608073, 4.79998966e-5, 8.65982e-8, 2.3205e-9}}},
    {"R404A",
     {3, {47.98132633, 0.96967915, 0.00725674, 3.266e-5}},
     {3, {75.7838289768, 0.3140747965, 7.58862e-5, 2.2922e-6}},
     {6,
      {152.992972353721, 0.133582455768426, -0.000151898186394, -1.261891879e-6, -1.5110592e-8,
       2.81103e-10, -1.59e-12}},
     {3, {75.77786165, -0.1178986, -3.482e-5, -2.63e-6}},
     {6,
      {1.05443638077622, 0.020792267412905, 0.000142503045097, 1.009367979e-6, 1.3664681e-8,
       -2.28027e-10, 1.259e-12}},
     {3, {0.749273338027606, -0.00583877748524506, 2.456501472569e-5, -6.889580643e-8}},
     {3, {0.055012175232, -1.3519486e-5, 2.65581e-7, 5.6531e-9}}},
}};

const Refrigerant* find(std::string_view name) {
    for (const Refrigerant& refrigerant : kRefrigerants) {
        if (refrigerant.name == name) return &refrigerant;
    }
    return nullptr;
}

// Evaluates one correlation of the named refrigerant; 0 for an unknown name.
double evaluate(std::string_view name, Polynomial Refrigerant::*correlation, double t) {
    const Refrigerant* refrigerant = find(name);
    return refrigerant ? (refrigerant->*correlation)(t) : 0.0;
}

}  // namespace

double saturationPressure(std::string_view r, double t) {
    return evaluate(r, &Refrigerant::saturationPressure, t);
}
double liquidEnthalpy(std::string_view r, double t) {
    return evaluate(r, &Refrigerant::liquidEnthalpy, t);
}
double vaporEnthalpy(std::string_view r, double t) {
    return evaluate(r, &Refrigerant::vaporEnthalpy, t);
}
double liquidDensity(std::string_view r, double t) {
    return evaluate(r, &Refrigerant::liquidDensity, t);
}
double vaporDensity(std::string_view r, double t) {
    return evaluate(r, &Refrigerant::vaporDensity, t);
}
double liquidViscosity(std::string_view r, double t) {
    return evaluate(r, &Refrigerant::liquidViscosity, t);
}
double vaporViscosity(std::string_view r, double t) {
    return evaluate(r, &Refrigerant::vaporViscosity, t);
}

double latentHeat(std::string_view r, double t) { return refrigeratingEffect(r, t, t); }

double refrigeratingEffect(std::string_view r, double liquidT, double vaporT) {
    const Refrigerant* refrigerant = find(r);
    if (!refrigerant) return 0.0;
    return refrigerant->vaporEnthalpy(vaporT) - refrigerant->liquidEnthalpy(liquidT);
}

}  // namespace capillary
