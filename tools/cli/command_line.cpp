// The host tools' command lines on CLI11: options taken in the order given, help from the parser, refusals in one line.
#include "tools/cli/command_line.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

#include <CLI/CLI.hpp>

#include "platform/host/host_file_io.h"

namespace ostrel::cli {

namespace {

// std::cout's buffer in the tools: written with write(2), keeping the reason
// of the first failed write (a later call may well change errno).
class CheckedOutput : public std::streambuf {
 public:
  int Error() const { return error_; }
  void Reset() {
    setp(buffer_, buffer_ + sizeof buffer_);
    error_ = 0;
  }

 protected:
  int_type overflow(int_type c) override {
    if (!Drain()) return traits_type::eof();
    if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
    *pptr() = traits_type::to_char_type(c);
    pbump(1);
    return c;
  }
  int sync() override { return Drain() ? 0 : -1; }

 private:
  bool Drain() {
    if (pbase() == nullptr) setp(buffer_, buffer_ + sizeof buffer_);
    const char* next = pbase();
    while (error_ == 0 && next < pptr()) {
      const ssize_t n = ::write(1, next, static_cast<std::size_t>(pptr() - next));
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) error_ = n < 0 ? errno : EIO;
      else next += n;
    }
    setp(buffer_, buffer_ + sizeof buffer_);  // what could not be written is dropped
    return error_ == 0;
  }

  char buffer_[1 << 16];
  int error_ = 0;
};

CheckedOutput& StandardOutput() {
  static CheckedOutput output;
  return output;
}

// Empty when everything written to standard output got there.
std::string StandardOutputFailure() {
  std::cout.flush();
  const int code = StandardOutput().Error();
  if (code == 0 && std::cout) return "";
  return std::string("cannot write standard output: ") + (code != 0 ? std::strerror(code) : "write error");
}

// The first argument no option took, as the tool names it.
void RefuseUnknown(const CLI::App& app) {
  if (!app.remaining().empty()) throw UsageError("unknown option '" + app.remaining().front() + "'");
}

// CLI11's own refusals, which may span lines, as the tool's one line.
UsageError OneLine(const CLI::App& app, const CLI::ParseError& error, int argc, char** argv) {
  RefuseUnknown(app);
  // A value is taken whatever it looks like, so only the last option (or
  // one written "--option=") can lack one.
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr && argc > 1) {
    const std::string last = argv[argc - 1];
    return UsageError(last.substr(0, last.find('=')) + " needs a value");
  }
  std::string message = error.what();
  for (char& c : message) c = c == '\n' ? ' ' : c;
  return UsageError(message);
}

void Parse(CLI::App& app, int argc, char** argv) {
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    RefuseUnknown(app);
    throw;
  } catch (const CLI::ParseError& error) {
    throw OneLine(app, error, argc, argv);
  }
  RefuseUnknown(app);
}

}  // namespace

std::string ScriptArgument(const std::string& option, const std::string& value) {
  if (value.empty() || value.front() != '@') return value;
  const std::string file = value.substr(1);
  std::string text;
  std::string error;
  const bool read = file == "-" ? pf::host::ReadAll(0, "standard input", &text, &error)
                                : pf::host::ReadRegularFile(file, &text, &error);
  if (!read) throw UsageError(option + ": " + error);
  for (char& c : text) c = c == '\n' || c == '\r' ? ';' : c;
  return text;
}

void Describe(CLI::App& app, const std::string& about, const std::string& footer) {
  app.set_help_flag("-h,--help", "print this help and exit");
  app.description(about);
  app.footer(footer);
  app.allow_extras();  // refused by name, in the command line's order
  app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  app.get_formatter()->column_width(34);
}

CLI::Option* AddValue(CLI::App& app, const std::string& option, const std::string& value,
                      const std::string& description, std::function<void(const std::string&)> take) {
  CLI::App* parser = &app;
  auto callback = [parser, take = std::move(take)](const std::string& text) {
    RefuseUnknown(*parser);  // an unknown option before this one is named first
    take(text);
  };
  return app.add_option_function<std::string>(option, callback, description)->type_name(value)->trigger_on_parse();
}

std::function<void(const std::string&)> Into(std::string& target) {
  return [&target](const std::string& value) { target = value; };
}

CLI::Option* AddFlag(CLI::App& app, const std::string& option, const std::string& description, bool& flag) {
  return app.add_flag(option, flag, description);
}

int RunTool(CLI::App& app, int argc, char** argv, const std::function<int()>& run) {
  // A reader that went away is a failed write like any other, not a signal.
  std::signal(SIGPIPE, SIG_IGN);
  std::cout.flush();
  StandardOutput().Reset();
  std::streambuf* const previous = std::cout.rdbuf(&StandardOutput());
  int code = 0;
  try {
    Parse(app, argc, argv);
    code = run();
  } catch (const CLI::CallForHelp&) {
    std::string help = app.help();
    help.erase(help.find_last_not_of('\n') + 1);
    std::cout << help << "\n";
  } catch (const UsageError& error) {
    std::cerr << app.get_name() << ": " << error.what() << "\n";
    code = 2;
  }
  const std::string failure = StandardOutputFailure();
  std::cout.rdbuf(previous);
  if (failure.empty()) return code;
  if (code != 2) std::cerr << app.get_name() << ": " << failure << "\n";
  return 2;
}

}  // namespace ostrel::cli
