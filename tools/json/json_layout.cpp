// The host tools' reports: values built as nlohmann::ordered_json, written in the tools' own layouts.
#include "tools/json/json_layout.h"

#include <nlohmann/json.hpp>

#include "tools/json/json_quote.h"

namespace ostrel::json {

namespace {

class Writer {
 public:
  Writer(std::ostream& out, const Layout& layout) : out_(out), layout_(layout) {}

  void Any(const Value& value, Shape shape, int depth) {
    if (value.is_string()) {
      out_ << Quoted(value.get_ref<const std::string&>());
    } else if (!value.is_structured()) {
      out_ << value.dump();
    } else if (value.empty()) {
      out_ << (value.is_object() ? "{}" : "[]");
    } else {
      Container(value, shape, depth);
    }
  }

 private:
  // Members of an object as "key": value, of an array as the value alone.
  void Container(const Value& value, Shape shape, int depth) {
    const bool object = value.is_object();
    const std::string indent = shape == Shape::Inline ? "" : "\n" + std::string(2 * (depth + 1), ' ');
    out_ << (object ? '{' : '[');
    bool first = true;
    for (auto member = value.begin(); member != value.end(); ++member) {
      out_ << (first ? "" : shape == Shape::Inline ? ", " : ",") << indent;
      first = false;
      if (object) out_ << Quoted(member.key()) << ": ";
      Any(*member, object ? ShapeOf(member.key()) : layout_.others, depth + 1);
    }
    if (shape == Shape::Lines) out_ << '\n' << std::string(2 * depth, ' ');
    out_ << (object ? '}' : ']');
  }

  Shape ShapeOf(const std::string& key) const {
    const auto found = layout_.byKey.find(key);
    return found == layout_.byKey.end() ? layout_.others : found->second;
  }

  std::ostream& out_;
  const Layout& layout_;
};

}  // namespace

void Write(std::ostream& out, const Value& value, const Layout& layout) {
  Writer(out, layout).Any(value, layout.root, 0);
  out << '\n';
}

}  // namespace ostrel::json
