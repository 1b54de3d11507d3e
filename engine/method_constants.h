#pragma once

#include <numbers>

// The physical constants and fitted laws the designer's method rests on, each named once. The
// design itself and the operating check read them from here, so both use the same law.
namespace pfc {

// Vacuum permeability µ0 in H/m (the classical 4π·10⁻⁷, as the skin depth is written).
inline constexpr double kVacuumPermeability = 4 * std::numbers::pi * 1e-7;

// Resistivity of annealed copper at 20 °C in Ω·m (the international annealed copper standard).
inline constexpr double kCopperResistivity20C = 1.7241e-8;
// Fractional rise of copper's resistance per °C above 20 °C, 1/°C.
inline constexpr double kCopperTemperatureCoefficient = 0.00393;
// The temperature of the tabulated wire resistances and of kCopperResistivity20C, °C.
inline constexpr double kCopperReferenceTemperature = 20;

// Temperature rise of a toroid in still air: kThermalRiseCoefficient · (W/cm²)^kThermalRiseExponent
// in °C, the loss taken over the outer surface of the stack.
inline constexpr double kThermalRiseCoefficient = 450;
inline constexpr double kThermalRiseExponent = 0.833;

// The method's core-loss fit: kCoreLossCoefficient · (B/T)^kCoreLossFluxExponent ·
// (f/kHz)^kCoreLossFrequencyExponent in W/kg, B the peak of the flux swing.
inline constexpr double kCoreLossCoefficient = 50.5;
inline constexpr double kCoreLossFluxExponent = 2.17;
inline constexpr double kCoreLossFrequencyExponent = 1.25;

// What the method assumes of the wound part at full current: the ripple, peak to peak, in % of
// the line-peak current, and the share of the inductance factor the core keeps, %.
inline constexpr double kMethodRipplePercent = 10;
inline constexpr double kMethodPermeabilityPercent = 70;

// Temperature rise of a wound powder toroid in still air: (P/mW over the wound surface in
// cm²)^kWoundRiseExponent in °C, the law the operating check uses in place of the method's.
inline constexpr double kWoundRiseExponent = 0.833;
inline constexpr double kMilliwattsPerWatt = 1000;

}  // namespace pfc
