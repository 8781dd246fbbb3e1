// The host tools' reports: values built as nlohmann::ordered_json, written in the tools' own layouts.
#pragma once

#include <map>
#include <ostream>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace ostrel::json {

// Members keep the order in which they were added.
using Value = nlohmann::ordered_json;

// How an object or an array is laid out; an empty one is always "{}" or "[]".
enum class Shape {
  Lines,    // one member a line, two spaces deeper per level; the bracket closes on a line of its own
  Hanging,  // one member a line, as Lines; the bracket closes right after the last member
  Inline,   // all on one line: {"a": 1, "b": [2, 3]}
};

struct Layout {
  Shape root = Shape::Lines;
  Shape others = Shape::Lines;
  std::map<std::string, Shape> byKey;  // the shape of an object's member of this name
};

// The value and a newline. Strings are written as Quoted writes them (valid
// UTF-8 whatever they hold); numbers, booleans and null as nlohmann does.
void Write(std::ostream& out, const Value& value, const Layout& layout = {});

}  // namespace ostrel::json
