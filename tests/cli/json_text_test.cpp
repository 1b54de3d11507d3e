#include "cli/json_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace pfc {
namespace {

TEST(JsonText, WritesNumbersInShortestRoundTripForm) {
  nlohmann::ordered_json json;
  json["a"] = 0.1;
  json["b"] = 100000.0;
  json["c"] = 0.1 + 0.2;
  json["d"] = 3;
  json["e"] = std::nan("");
  json["f"] = std::numeric_limits<double>::infinity();
  json["g"] = 1e-7;
  EXPECT_EQ(JsonText(json),
            "{\n  \"a\": 0.1,\n  \"b\": 100000,\n  \"c\": 0.30000000000000004,\n  \"d\": 3,\n"
            "  \"e\": null,\n  \"f\": null,\n  \"g\": 1e-07\n}\n");
  EXPECT_EQ(nlohmann::json::parse(JsonText(json))["c"].get<double>(), 0.1 + 0.2);
}

TEST(JsonText, NestsAndEscapes) {
  nlohmann::ordered_json json;
  json["list"] = nlohmann::ordered_json::array({1, "two\r\n", nullptr, true});
  json["empty"] = nlohmann::ordered_json::array();
  json["object"] = nlohmann::ordered_json::object();
  json["degree"] = "°C";
  json["bad"] = std::string("a\xff") + "b";
  EXPECT_EQ(JsonText(json),
            "{\n  \"list\": [\n    1,\n    \"two\\r\\n\",\n    null,\n    true\n  ],\n"
            "  \"empty\": [],\n  \"object\": {},\n  \"degree\": \"°C\",\n"
            "  \"bad\": \"a\xef\xbf\xbd"
            "b\"\n}\n");
}

}  // namespace
}  // namespace pfc
