// Command-line options of ostrel-preview and the reader that parses them.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace ostrel::preview {

// A bad argument or input file: main prints the message on one line and exits 2.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Walks argv; each mode's parser takes the options it knows.
class ArgReader {
 public:
  ArgReader(int argc, char** argv) : args_(argv + 1, argv + argc) {}
  bool Done() const { return index_ >= args_.size(); }
  const std::string& Peek() const { return args_[index_]; }
  std::string Next() { return args_[index_++]; }
  // The value that follows option `name`.
  std::string Value(const std::string& name) {
    if (Done()) throw UsageError(name + " needs a value");
    return Next();
  }
  int IntValue(const std::string& name, int low, int high);

 private:
  std::vector<std::string> args_;
  std::size_t index_ = 0;
};

long long ParseInteger(const std::string& text, const std::string& what);

}  // namespace ostrel::preview
