// The preview's event script: shell and pen events parsed from ';'-separated text and played on the item window.
#include "tools/preview/events.h"

#include <map>
#include <sstream>

#include "platform/controls.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_window.h"
#include "platform/window.h"
#include "tools/preview/clock_budget.h"
#include "tools/preview/preview_options.h"

namespace ostrel::preview {

const char* const kEventsUsage =
    "  SCRIPT is ';'-separated: tap X Y | dtap X Y | down X Y | move X Y | up X Y | hold X Y |\n"
    "  menu ID | key left|right|up|down | select | deselect | tick [N] | advance SECONDS | query\n"
    "  (X Y in the item's pixels; tick sends N timer messages, one clock second apart).\n";

namespace {

constexpr int kSecondsPerYear = 31622400;

// How many numbers each event takes (tick: none or one).
const std::map<std::string, int>& Arity() {
  static const std::map<std::string, int> arity = {
      {"tap", 2},   {"dtap", 2},     {"down", 2},     {"move", 2},    {"up", 2},
      {"hold", 2},  {"menu", 1},     {"key", 0},      {"select", 0},  {"deselect", 0},
      {"tick", -1}, {"advance", 1},  {"query", 0}};
  return arity;
}

unsigned KeyOf(const std::string& word) {
  if (word == "left") return pf::VK_LEFT;
  if (word == "right") return pf::VK_RIGHT;
  if (word == "up") return pf::VK_UP;
  if (word == "down") return pf::VK_DOWN;
  throw UsageError("--events: key: expected left, right, up or down, got '" + word + "'");
}

int Number(const std::string& text, const std::string& event, long long low, long long high) {
  long long value = ParseInteger(text, "--events: " + event);
  if (value < low || value > high) {
    throw UsageError("--events: " + event + ": " + text + " is outside " + std::to_string(low) +
                     " .. " + std::to_string(high));
  }
  return static_cast<int>(value);
}

ScriptEvent ParseOne(const std::vector<std::string>& words) {
  ScriptEvent event;
  event.name = words[0];
  auto arity = Arity().find(event.name);
  if (arity == Arity().end()) throw UsageError("--events: unknown event '" + event.name + "'");
  const int given = static_cast<int>(words.size()) - 1;
  if (event.name == "key") {
    if (given != 1) throw UsageError("--events: key needs one of left, right, up, down");
    event.key = KeyOf(words[1]);
    return event;
  }
  const int wanted = arity->second;
  if ((wanted >= 0 && given != wanted) || (wanted < 0 && given > 1)) {
    throw UsageError("--events: '" + event.name + "' takes " +
                     (wanted < 0 ? std::string("at most 1") : std::to_string(wanted)) +
                     " number(s), got " + std::to_string(given));
  }
  for (int i = 1; i <= given; ++i) {
    if (event.name == "tick") {
      event.numbers.push_back(Number(words[i], event.name, 0, 1000000));
    } else if (event.name == "advance") {
      event.numbers.push_back(Number(words[i], event.name, -kSecondsPerYear, kSecondsPerYear));
    } else if (event.name == "menu") {
      event.numbers.push_back(Number(words[i], event.name, 0, 0xFFFF));
    } else {
      event.numbers.push_back(Number(words[i], event.name, -32768, 32767));
    }
  }
  if (event.name == "tick" && given == 0) event.numbers.push_back(1);
  return event;
}

pf::LRESULT Send(const ShellItem& item, std::uint32_t message, pf::WPARAM wParam = 0,
                 pf::LPARAM lParam = 0) {
  return pf::SendMessageW(item.window, message, wParam, lParam);
}

void Pen(const ShellItem& item, std::uint32_t message, const ScriptEvent& event) {
  Send(item, message, 0,
       pf::MAKELPARAM(static_cast<unsigned>(event.numbers[0]), static_cast<unsigned>(event.numbers[1])));
}

[[noreturn]] void Refuse(const ScriptEvent& e, const std::string& why) {
  throw UsageError("--events: '" + e.text + "': " + why);
}

void Tick(const ShellItem& item, const ScriptEvent& e) {
  for (int i = 0; i < e.numbers[0]; ++i) {
    pf::host::HostClockService().Advance(1);
    Send(item, pf::WM_TIMER, 1);
  }
}

void ChooseMenuEntry(const ScriptEvent& e) {
  if (!pf::host::HostWindowService().ChooseMenuEntry(static_cast<std::uintptr_t>(e.numbers[0]))) {
    Refuse(e, "no open menu holds this entry");
  }
}

void PlayOne(const ScriptEvent& e, const ShellItem& item) {
  const std::string& n = e.name;
  if (n == "tap" || n == "dtap") {
    Pen(item, pf::WM_LBUTTONDOWN, e);
    Pen(item, pf::WM_LBUTTONUP, e);
    if (n == "dtap") {
      Pen(item, pf::WM_LBUTTONDBLCLK, e);
      Pen(item, pf::WM_LBUTTONUP, e);
    }
  } else if (n == "down") {
    Pen(item, pf::WM_LBUTTONDOWN, e);
  } else if (n == "move") {
    Pen(item, pf::WM_MOUSEMOVE, e);
  } else if (n == "up") {
    Pen(item, pf::WM_LBUTTONUP, e);
  } else if (n == "hold") {
    pf::host::HostWindowService().SetNextGesture(pf::GN_CONTEXTMENU);
    Pen(item, pf::WM_LBUTTONDOWN, e);
  } else if (n == "menu") {
    ChooseMenuEntry(e);
  } else if (n == "key") {
    Send(item, pf::WM_TODAYCUSTOM_USERNAVIGATION, e.key);
  } else if (n == "select") {
    Send(item, pf::WM_TODAYCUSTOM_RECEIVEDSELECTION);
  } else if (n == "deselect") {
    Send(item, pf::WM_TODAYCUSTOM_LOSTSELECTION);
  } else if (n == "tick") {
    Tick(item, e);
  } else if (n == "advance") {
    pf::host::HostClockService().Advance(e.numbers[0]);
  } else if (n == "query") {
    QueryRefresh(item);
  }
}

}  // namespace

std::vector<ScriptEvent> ParseEvents(const std::string& script) {
  std::vector<ScriptEvent> events;
  std::stringstream parts(script);
  std::string part;
  while (std::getline(parts, part, ';')) {
    std::istringstream words(part);
    std::vector<std::string> tokens;
    for (std::string word; words >> word;) tokens.push_back(word);
    if (tokens.empty()) continue;
    events.push_back(ParseOne(tokens));
    for (const std::string& token : tokens) events.back().text += (events.back().text.empty() ? "" : " ") + token;
  }
  return events;
}

void QueryRefresh(const ShellItem& item) {
  if (Send(item, pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, reinterpret_cast<pf::WPARAM>(item.record))) {
    pf::MoveWindow(item.window, 0, 0, item.width, static_cast<int>(item.record->cyp), 1);
  }
}

void CheckClockPlan(const std::vector<ScriptEvent>& events) {
  ClockBudget clock;
  for (const ScriptEvent& e : events) {
    if (e.name == "tick") clock.Ticks(e.numbers[0], "--events: '" + e.text + "'");
    if (e.name == "advance") clock.Move(e.numbers[0], "--events: '" + e.text + "'");
  }
}

void PlayEvents(const std::vector<ScriptEvent>& events, const ShellItem& item) {
  for (const ScriptEvent& event : events) PlayOne(event, item);
}

}  // namespace ostrel::preview
