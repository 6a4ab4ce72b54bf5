#pragma once

namespace capillary {

// The secant solution of the Colebrook equation, with the work it took.
struct ColebrookSolution {
    float startValue;  // the Swamee–Jain estimate the iteration starts from
    float value;       // NaN when the iteration did not settle within kMaxFrictionPasses
    int passes;
};

// Far more than the two or three passes that turbulent pipe flow needs; arguments that never
// settle (a non-finite Reynolds number, say) stop here instead of hanging.
inline constexpr int kMaxFrictionPasses = 40;

ColebrookSolution solveColebrook(double relativeRoughness, double reynolds);

// Darcy friction factor of turbulent flow, computed in 32-bit precision as the sizing tables
// were; NaN when the iteration does not settle.
float FrictionFactor(double relativeRoughness, double reynolds);

}  // namespace capillary
