#pragma once

// Dowell's ratio of AC to DC resistance of a winding of `layers` layers of round conductors,
// A = (π/4)^(3/4)·(d/δ)·√(d/pitch):
//   Fr = A·[(sinh 2A + sin 2A)/(cosh 2A − cos 2A) + (2(m² − 1)/3)·(sinh A − sin A)/(cosh A + cos
//   A)].
// Finite and accurate for every A ≥ 0: 1 + (5m² − 1)·A⁴/45 + O(A⁸) for small A, and
// A·(1 + 2(m² − 1)/3) once the exponentials have died out.
namespace pfc {

double DowellFactor(double a, double layers);

}  // namespace pfc
