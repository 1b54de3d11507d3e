#include "cli/json_text.h"

#include <cmath>

#include "engine/record/number_text.h"

namespace pfc {
namespace {

void Indent(std::string& out, int depth) {
  out.append(static_cast<std::size_t>(depth) * 2, ' ');
}

void Write(const nlohmann::ordered_json& value, std::string& out, int depth) {
  switch (value.type()) {
    case nlohmann::ordered_json::value_t::object: {
      if (value.empty()) {
        out += "{}";
        return;
      }
      out += "{\n";
      bool first = true;
      for (auto it = value.begin(); it != value.end(); ++it) {
        if (!first)
          out += ",\n";
        first = false;
        Indent(out, depth + 1);
        out += nlohmann::ordered_json(it.key()).dump(
            -1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        out += ": ";
        Write(it.value(), out, depth + 1);
      }
      out += '\n';
      Indent(out, depth);
      out += '}';
      return;
    }
    case nlohmann::ordered_json::value_t::array: {
      if (value.empty()) {
        out += "[]";
        return;
      }
      out += "[\n";
      bool first = true;
      for (const nlohmann::ordered_json& element : value) {
        if (!first)
          out += ",\n";
        first = false;
        Indent(out, depth + 1);
        Write(element, out, depth + 1);
      }
      out += '\n';
      Indent(out, depth);
      out += ']';
      return;
    }
    case nlohmann::ordered_json::value_t::number_float: {
      const double number = value.get<double>();
      out += std::isfinite(number) ? FormatShortest(number) : "null";
      return;
    }
    default:
      out += value.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
      return;
  }
}

}  // namespace

std::string JsonText(const nlohmann::ordered_json& value) {
  std::string out;
  Write(value, out, 0);
  out += '\n';
  return out;
}

}  // namespace pfc
