#pragma once

namespace capillary {

// The drawn-copper wall (0.0015 mm) the sizing engine assumes.
inline constexpr double kCopperRoughnessFt = 4.92125985e-6;

// Flow at or below this Reynolds number is taken as laminar.
inline constexpr double kLaminarReynoldsLimit = 2000.0;

// Darcy friction factor in double precision: 64/Re for laminar flow, the Colebrook equation
// solved to rounding above it. NaN for a Reynolds number or roughness outside the physical
// range (not finite, Re ≤ 0, roughness < 0).
double darcyFriction(double relativeRoughness, double reynolds);

}  // namespace capillary
