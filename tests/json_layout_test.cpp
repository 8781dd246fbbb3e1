// The tools' JSON layouts over nlohmann values: members in the order added, each shape's lines and brackets, strings quoted as the tools quote them.
#include <gtest/gtest.h>

#include <sstream>

#include <nlohmann/json.hpp>

#include "tools/json/json_layout.h"

namespace ostrel::testing {
namespace {

std::string Written(const json::Value& value, const json::Layout& layout = {}) {
  std::ostringstream out;
  json::Write(out, value, layout);
  return out.str();
}

json::Value Sample() {
  json::Value value = json::Value::object();
  value["z"] = -7;
  value["a"] = json::Value::array({1, 2});
  value["rows"] = json::Value::array({json::Value::object(), json::Value::array({true})});
  value["empty"] = json::Value::array();
  value["text"] = std::string("a\xED\xA0\x80\x01");  // a lone surrogate as pf::ToUtf8 writes one
  value["colour"] = 4294967295u;
  return value;
}

TEST(JsonLayout, LinesIndentTwoSpacesALevelAndKeepTheOrderMembersWereAdded) {
  EXPECT_EQ(Written(Sample()),
            "{\n  \"z\": -7,\n  \"a\": [\n    1,\n    2\n  ],\n  \"rows\": [\n    {},\n    [\n      true\n    ]\n  ],\n"
            "  \"empty\": [],\n  \"text\": \"a\\uD800\\u0001\",\n  \"colour\": 4294967295\n}\n");
  EXPECT_EQ(Written(json::Value::array()), "[]\n");
  EXPECT_EQ(Written("x"), "\"x\"\n");
}

TEST(JsonLayout, MembersNamedInTheLayoutTakeTheirOwnShape) {
  const json::Layout layout{json::Shape::Lines, json::Shape::Inline, {{"rows", json::Shape::Hanging}}};
  EXPECT_EQ(Written(Sample(), layout),
            "{\n  \"z\": -7,\n  \"a\": [1, 2],\n  \"rows\": [\n    {},\n    [true]],\n  \"empty\": [],\n"
            "  \"text\": \"a\\uD800\\u0001\",\n  \"colour\": 4294967295\n}\n");
  json::Value nested = json::Value::object();
  nested["list"] = json::Value::object();
  nested["list"]["rows"] = json::Value::array({1});
  EXPECT_EQ(Written(nested, {json::Shape::Inline, json::Shape::Inline, {{"rows", json::Shape::Hanging}}}),
            "{\"list\": {\"rows\": [\n      1]}}\n");
}

}  // namespace
}  // namespace ostrel::testing
