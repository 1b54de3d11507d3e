#pragma once

#include <string>
#include <string_view>

#include "engine/check/inductor_model.h"

// The bodies of the model files, after their comment lines; the name is already safe.
namespace pfc::model_files {

std::string NgspiceBody(const InductorModel& model, std::string_view name);
std::string LtspiceBody(const InductorModel& model, std::string_view name);
std::string PlecsBody(const InductorModel& model, std::string_view name);
std::string CsvBody(const InductorModel& model);

// The inductance the table continues with beyond its ends: its last segment's, H.
double OuterSegmentInductance(const FluxLinkageTable& table);

}  // namespace pfc::model_files
