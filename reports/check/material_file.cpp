#include "reports/check/material_file.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>

#include "engine/catalogue/bounded_file.h"
#include "engine/check/rolloff_grades.h"
#include "engine/record/number_text.h"
#include "engine/record/quoted_text.h"

namespace pfc {
namespace {

using Json = nlohmann::json;

constexpr const char* kName = "name";

struct NumberKey {
  const char* key;
  double Material::*field = nullptr;    // one of the material's own numbers, or
  double CoreLossFit::*loss = nullptr;  // one of its loss fit's
  bool optional = false;                // the loss fit may be left out whole
};

constexpr std::array<NumberKey, 6> kNumberKeys = {{
    {"permeability", &Material::permeability},
    {"rolloff_b", &Material::b},
    {"rolloff_c", &Material::c},
    {"loss_k", nullptr, &CoreLossFit::k, true},
    {"loss_alpha", nullptr, &CoreLossFit::alpha, true},
    {"loss_beta", nullptr, &CoreLossFit::beta, true},
}};

MaterialFileRead Refused(std::string reason, std::string key = {}) {
  MaterialFileRead result;
  result.reason = std::move(reason);
  result.key = std::move(key);
  return result;
}

std::string Quoted(std::string_view key) {
  return "\"" + std::string(key) + "\"";
}

std::string KnownKeys() {
  std::string text = Quoted(kName);
  for (const NumberKey& key : kNumberKeys)
    text += std::string(", ") + Quoted(key.key);
  return text;
}

std::string UnknownKey(const Json& document, std::string& refusedKey) {
  for (const auto& item : document.items()) {
    const bool known = item.key() == kName ||
                       std::any_of(kNumberKeys.begin(), kNumberKeys.end(),
                                   [&item](const NumberKey& key) { return item.key() == key.key; });
    refusedKey = item.key();
    if (!known)
      return "it has the unknown key " + QuotedExcerpt(item.key()) + "; a material has " +
             KnownKeys();
  }
  return {};
}

std::string ReadName(const Json& document, std::string& name) {
  const auto found = document.find(kName);
  if (found == document.end())
    return "it has no \"name\"";
  if (!found->is_string())
    return "its \"name\" is not a text";
  name = found->get<std::string>();
  if (name.empty())
    return "its \"name\" is empty";
  if (name.size() > kMaterialNameMaxBytes)
    return "its \"name\" is longer than " + std::to_string(kMaterialNameMaxBytes) + " bytes";
  if (std::any_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F || c == '/' || c == '\\';
      }))
    return "its \"name\" holds a control character or a slash, which cannot name a file";
  for (const RolloffGrade& grade : RolloffGrades()) {
    if (name == std::to_string(grade.permeability))
      return "its \"name\" " + Quoted(name) + " is a built-in grade's; give the material its own";
  }
  return {};
}

std::string ReadNumber(const Json& document, const NumberKey& key, Material& material) {
  const auto found = document.find(key.key);
  if (found == document.end())
    return "it has no " + Quoted(key.key);
  if (!found->is_number())
    return "its " + Quoted(key.key) + " is not a number";
  const double value = found->get<double>();
  if (!(value > 0) || !std::isfinite(value))
    return "its " + Quoted(key.key) + " is " + FormatGeneral(value) + "; it must be above 0";
  (key.field ? material.*key.field : material.loss.*key.loss) = value;
  return {};
}

// Three significant digits: a range's ends are rules of thumb, not measurements.
std::string Rounded(double value) {
  if (value == 0 || !std::isfinite(value))
    return FormatGeneral(value);
  const int places = 2 - static_cast<int>(std::floor(std::log10(std::fabs(value))));
  return FormatGeneral(places > 0 ? RoundHalfEven(value, places) : value);
}

std::string Percent(double share) {
  return FormatGeneral(share * 100) + " %";
}

std::string OutOfRange(MaterialNumber number, const Material& material) {
  const NumberKey& key = kNumberKeys[static_cast<std::size_t>(number)];
  const double value = key.field ? material.*key.field : material.loss.*key.loss;
  const MaterialRange range = MaterialNumberRange(number, material.c);
  std::string text = "its " + Quoted(key.key) + " is " + FormatGeneral(value) + "; it must be ";
  text += (range.lowExcluded ? "above " : "from ") + Rounded(range.low) +
          (range.lowExcluded ? " and at most " : " to ") + Rounded(range.high);
  if (number == MaterialNumber::RolloffB) {
    text += " with \"rolloff_c\" " + FormatGeneral(material.c) +
            ", so that the powder loses at least " + Percent(kLeastRolloff) +
            " of its permeability at " + FormatGeneral(kStrongRolloffField / 1000) +
            " kA/m and at most " + Percent(kMostRolloff) + " at " +
            FormatGeneral(kWeakRolloffField) + " A/m";
  }
  return text;
}

std::string ReadNumbers(const Json& document, Material& material, std::string& refusedKey) {
  const auto given = [&document](const NumberKey& key) { return document.contains(key.key); };
  const bool anyLoss =
      std::any_of(kNumberKeys.begin(), kNumberKeys.end(),
                  [&](const NumberKey& key) { return key.optional && given(key); });
  for (const NumberKey& key : kNumberKeys) {
    if (key.optional && !anyLoss)
      continue;  // the method's loss fit stays
    refusedKey = key.key;
    std::string problem = ReadNumber(document, key, material);
    if (!problem.empty()) {
      if (key.optional && !given(key))
        problem += ": a loss fit needs all of \"loss_k\", \"loss_alpha\" and \"loss_beta\"";
      return problem;
    }
  }
  const std::optional<MaterialNumber> outside = MaterialOutOfRange(material, anyLoss);
  if (!outside)
    return {};
  refusedKey = kNumberKeys[static_cast<std::size_t>(*outside)].key;
  return OutOfRange(*outside, material);
}

}  // namespace

std::string MaterialFileRead::Message() const {
  if (read)
    return {};
  return "Cannot use the material file " + path + ": " + reason;
}

MaterialFileRead MaterialFromText(std::string_view text) {
  if (text.find_first_not_of(" \t\r\n") == std::string_view::npos)
    return Refused("it is empty");
  if (text.find('\0') != std::string_view::npos)
    return Refused("it holds binary data, not the text of a material file");
  // Nothing the format holds is nested: anything deeper is dropped unparsed and then fails
  // its type check, so a deeply nested document costs no more than a flat one.
  const Json::parser_callback_t keepFlat = [](int depth, Json::parse_event_t, Json&) {
    return depth <= 1;
  };
  Json document;
  try {
    document = Json::parse(text.begin(), text.end(), keepFlat);
  } catch (const Json::exception&) {
    return Refused("it is not JSON text");
  }
  if (!document.is_object())
    return Refused("it is not a material (its JSON text is not an object)");
  Material material;
  std::string key;
  std::string problem = UnknownKey(document, key);
  if (problem.empty()) {
    key = kName;
    problem = ReadName(document, material.name);
  }
  if (problem.empty())
    problem = ReadNumbers(document, material, key);
  if (!problem.empty())
    return Refused(std::move(problem), std::move(key));
  MaterialFileRead result;
  result.read = true;
  result.material = std::move(material);
  return result;
}

std::string MaterialFileText(const Material& material, bool withLoss) {
  nlohmann::ordered_json document;
  document[kName] = material.name;
  for (const NumberKey& key : kNumberKeys) {
    if (key.optional && !withLoss)
      continue;
    document[key.key] = key.field ? material.*key.field : material.loss.*key.loss;
  }
  return document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

MaterialFileRead ReadMaterialFile(const std::string& path) {
  std::string bytes;
  std::string reason;
  MaterialFileRead result =
      ReadBoundedFile(path, kMaterialFileMaxBytes, "a material file", bytes, reason)
          ? MaterialFromText(bytes)
          : Refused(std::move(reason));
  result.path = path;
  return result;
}

NewMaterialFile NewMaterialFileText(const Material& material, bool withLoss) {
  NewMaterialFile file;
  file.text = MaterialFileText(material, withLoss);
  const MaterialFileRead back = MaterialFromText(file.text);
  if (!back.read) {
    file.problem = "the fitted material cannot be a material file: " + back.reason;
    file.key = back.key;
  } else if (back.material.name != material.name) {
    file.problem = "the name is not UTF-8 text";
    file.key = kName;
  }
  file.written = file.problem.empty();
  if (!file.written)
    file.text.clear();
  return file;
}

}  // namespace pfc
