#pragma once

#include <numbers>

// The physical constants and fitted laws the designer's method rests on, each named once. The
// design itself and the operating check read them from here, so both use the same law.
namespace pfc {

// Vacuum permeability µ0 in H/m (the classical 4π·10⁻⁷, as the skin depth is written).
inline constexpr double kVacuumPermeability = 4 * std::numbers::pi * 1e-7;

// Resistivity of annealed copper at 20 °C in Ω·m (the international annealed copper standard).
inline constexpr double kCopperResistivity20C = 1.7241e-8;
// Density of annealed copper at 20 °C, g/cm³ (the international annealed copper standard).
inline constexpr double kCopperDensity = 8.89;
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

// The method's own roundings and design rules, each written as the method writes it, so that
// the design's figures stay what they always were.

// π and its double as the method writes them, to ten significant digits.
inline constexpr double kMethodPi = 3.141592654;
inline constexpr double kMethodTwoPi = 6.283185308;
// √2 as the method writes it: the crest of a sine over its RMS value.
inline constexpr double kMethodSqrt2 = 1.414;
// The oersted's 4π/10 without its π: H in Oe is kOerstedFactor · π · turns · A / (path in cm).
inline constexpr double kOerstedFactor = 0.4;
// Current density of the winding, A/cm²: it sets the conductor's area.
inline constexpr double kCurrentDensity = 500;
// Wire bought per winding length: 10 % more for the leads and the cutting.
inline constexpr double kWireLengthMargin = 1.1;
// The line-cycle mean of the flux swing as a share of the swing at the line's crest.
inline constexpr double kLineAverageFluxShare = 0.723;
// The area product's divisor besides the fill factor, T·A/cm²: the peak flux density times the
// current density the core is sized for. Ap = 2 · energy in J · 10⁴ / (fill · this) in cm⁴.
inline constexpr double kAreaProductFluxCurrent = 650;

}  // namespace pfc
