#pragma once

#include <CLI/CLI.hpp>
#include <array>

#include "engine/check/design_limits.h"

// The limits a design is judged by, as the same four options on every command that judges
// one: check, model, optimize and batch --check.
namespace pfc {

// Adds --min-inductance, --ripple-limit, --max-temperature and --al-tolerance, bound to
// `limits`, whose values stand as the defaults. A value outside the limit's range is a
// usage error. Returns the four options, in that order.
std::array<CLI::Option*, 4> AddLimitOptions(CLI::App& command, DesignLimits& limits);

// Takes the limits of a design file into `limits`, each but those the command line gave.
void TakeUngivenLimits(const CLI::App& command, const DesignLimits& file, DesignLimits& limits);

}  // namespace pfc
