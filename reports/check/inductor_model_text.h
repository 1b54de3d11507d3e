#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "engine/check/inductor_model.h"
#include "engine/record/design_record.h"

// The checked winding's model as files for circuit simulators. Every file starts with comment
// lines naming the design, the roll-off, the turns, the wire, the temperature and the range
// and accuracy of the table; the table's numbers are the shortest that read back exactly.
namespace pfc {

enum class ModelFormat { Ngspice, Ltspice, Plecs, Csv };

struct ModelFormatInfo {
  ModelFormat format;
  const char* name;          // "ngspice", as --format takes it
  const char* fileTypeName;  // "ngspice subcircuits", for save dialogs
  const char* extension;     // "cir"
};

// The four formats in the order they are offered.
const std::array<ModelFormatInfo, 4>& ModelFormats();
const ModelFormatInfo& ModelFormatOf(ModelFormat format);
std::optional<ModelFormat> ModelFormatNamed(std::string_view name);

// The default name: part number, stack and turns ("TD-26x2_58T"), made safe by SafeModelName.
std::string DefaultModelName(const DesignRecord& record);
// The name as the format admits it: SPICE subcircuit names of letters, digits and "_", led by
// a letter; in the comments of the other formats, printable ASCII on one line. Never empty.
std::string SafeModelName(std::string_view name, ModelFormat format);

// The whole file. `name` is made safe for the format; the model must have points.
std::string ModelFileText(const DesignRecord& record, const InductorModel& model,
                          ModelFormat format, std::string_view name);

}  // namespace pfc
