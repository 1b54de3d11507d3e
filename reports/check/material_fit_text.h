#pragma once

#include <span>
#include <string>

#include "engine/check/material.h"
#include "engine/check/material_fit.h"
#include "engine/check/material_points.h"

namespace pfc {

// The roll-off fit as terminal text: the material's constants, a row per point (the field
// in the unit it was given and in A/m, the percent given and fitted, the deviation in
// percentage points) and the rms and largest deviation.
std::string RolloffFitText(const Material& material, std::span<const RolloffPoint> points,
                           FieldUnit unit, const RolloffFit& fit);

// The loss fit the same way: k, α and β, a row per point with its loss given and fitted and
// the deviation in % of the given loss.
std::string LossFitText(std::span<const LossPoint> points, const LossFit& fit);

}  // namespace pfc
