// Parsing the simulator's script and playing each action as a person's tap on the host controls.
#include "tools/ostrelcfg-sim/sim_script.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

#include "platform/host/host_controls.h"
#include "platform/text.h"

namespace ostrel::sim {

namespace {

struct VerbDef {
  const char* word;
  Verb verb;
  const char* usage;
};

const VerbDef kVerbs[] = {
    {"tab", Verb::Tab, "tab N"},
    {"select", Verb::Select, "select LIST ROW"},
    {"check", Verb::Check, "check LIST ROW 0|1"},
    {"dbltap", Verb::DoubleTap, "dbltap LIST ROW"},
    {"press", Verb::Press, "press BUTTON"},
    {"type", Verb::Type, "type EDIT TEXT"},
    {"choose", Verb::Choose, "choose COMBO INDEX"},
    {"choosetext", Verb::ChooseText, "choosetext COMBO TEXT"},
    {"tick", Verb::Tick, "tick CHECKBOX 0|1"},
    {"ok", Verb::Ok, "ok"},
    {"cancel", Verb::Cancel, "cancel"},
    {"resize", Verb::Resize, "resize W H"},
};

std::string Trim(const std::string& text) {
  std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return "";
  std::size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// Splits off the next word; rest keeps what follows the single blank after it.
std::string NextWord(std::string& rest) {
  std::size_t end = rest.find_first_of(" \t");
  std::string word = rest.substr(0, end);
  rest = end == std::string::npos ? "" : rest.substr(end + 1);
  return word;
}

class ActionParser {
 public:
  ActionParser(const std::string& text) : text_(text), rest_(text) {}

  Action Parse() {
    std::string word = NextWord(rest_);
    const VerbDef* def = nullptr;
    for (const VerbDef& v : kVerbs) {
      if (word == v.word) def = &v;
    }
    if (def == nullptr) Fail("unknown action '" + word + "'");
    usage_ = def->usage;
    Action a;
    a.verb = def->verb;
    switch (a.verb) {
      case Verb::Tab: a.first = Number(0); break;
      case Verb::Select: case Verb::DoubleTap: a.control = Named("List"); a.first = Number(0); break;
      case Verb::Check: a.control = Named("List"); a.first = Number(0); a.second = Flag(); break;
      case Verb::Press: a.control = Named("Button"); break;
      case Verb::Type: a.control = Named("Edit"); a.text = pf::FromUtf8(rest_); rest_.clear(); break;
      case Verb::Choose: a.control = Named("Combo"); a.first = Number(0); break;
      case Verb::ChooseText: a.control = Named("Combo"); a.text = pf::FromUtf8(rest_); rest_.clear(); break;
      case Verb::Tick: a.control = Named("Check"); a.second = Flag(); break;
      case Verb::Resize: a.first = Number(1, kLargestScreenSide); a.second = Number(1, kLargestScreenSide); break;
      case Verb::Ok: case Verb::Cancel: break;
    }
    if (!Trim(rest_).empty()) Fail("unexpected '" + Trim(rest_) + "'");
    a.source = text_;
    return a;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    std::string usage = usage_.empty() ? "" : " (expected: " + usage_ + ")";
    throw InputError("bad action '" + text_ + "': " + what + usage);
  }

  std::string Word(const char* what) {
    while (!rest_.empty() && (rest_[0] == ' ' || rest_[0] == '\t')) rest_.erase(0, 1);
    std::string word = NextWord(rest_);
    if (word.empty()) Fail(std::string("missing ") + what);
    return word;
  }

  int Number(int least, int most = 100000) {
    std::string word = Word("number");
    char* end = nullptr;
    long value = std::strtol(word.c_str(), &end, 10);
    if (*end != 0 || value < least || value > most) {
      Fail("'" + word + "' is not a number from " + std::to_string(least) + " to " + std::to_string(most));
    }
    return static_cast<int>(value);
  }

  int Flag() {
    std::string word = Word("0 or 1");
    if (word != "0" && word != "1") Fail("'" + word + "' is not 0 or 1");
    return word == "1";
  }

  // A control of the layout table whose name ends with the kind ("List", ...).
  cfg::Control Named(const std::string& kind) {
    std::string name = Word("control name");
    cfg::Control control;
    if (!cfg::ControlByName(name.c_str(), &control)) Fail("no control named '" + name + "'");
    bool fits = name.size() > kind.size() && name.compare(name.size() - kind.size(), kind.size(), kind) == 0;
    if (!fits) Fail("'" + name + "' is not a " + kind);
    return control;
  }

  std::string text_;
  std::string rest_;
  std::string usage_;
};

pf::WindowHandle Handle(cfg::Control control) {
  return pf::GetDlgItem(cfg::MainWindow(), cfg::ControlId(control));
}

[[noreturn]] void Refuse(const Action& a, const std::string& why) {
  throw InputError("action '" + a.source + "': " + why);
}

void RequireIndex(const Action& a, std::size_t count, const char* what) {
  if (a.first < 0 || static_cast<std::size_t>(a.first) >= count) {
    Refuse(a, std::string("there is no ") + what + " " + std::to_string(a.first) + " (there are " +
                  std::to_string(count) + ")");
  }
}

// The action as the person's tap; false when the tap could not be made.
bool Play(const Action& a, pf::host::HostControls& store, pf::WindowHandle main, pf::WindowHandle target) {
  switch (a.verb) {
    case Verb::Tab: return store.UserSelectTab(Handle(cfg::TabStrip), a.first);
    case Verb::Select: return store.UserSelectRow(target, a.first);
    case Verb::Check: return store.UserCheckRow(target, a.first, a.second != 0);
    case Verb::DoubleTap: return store.UserDoubleTap(target, a.first);
    case Verb::Press: return store.UserClick(target);
    case Verb::Type: return store.UserType(target, a.text);
    case Verb::Choose: return store.UserChoose(target, a.first);
    case Verb::ChooseText: return store.UserChooseText(target, a.text);
    case Verb::Tick: return store.UserTick(target, a.second != 0);
    case Verb::Ok:
      // Without a menu bar the title bar's OK sends IDOK.
      if (store.UserSoftKey(main, 0)) return true;
      if (!pf::IsNull(store.MenuBarOf(main))) return false;
      pf::SendMessageW(main, pf::WM_COMMAND, pf::MAKEWPARAM(pf::IDOK, 0), 0);
      return true;
    case Verb::Cancel: return store.UserSoftKey(main, 1);
    case Verb::Resize: return store.UserResize(main, a.first, a.second);
  }
  return false;
}

}  // namespace

void RefuseAfterClose(const Action& action) { Refuse(action, "it comes after the program has closed"); }

std::vector<Action> ParseScript(const std::string& script) {
  std::vector<Action> actions;
  std::stringstream in(script);
  std::string part;
  while (std::getline(in, part, ';')) {
    std::string text = Trim(part);
    if (text.empty()) continue;
    actions.push_back(ActionParser(text).Parse());
  }
  return actions;
}

void RefuseResizesBeyond(const std::vector<Action>& script, int width, int height) {
  for (const Action& a : script) {
    const bool upright = a.first <= width && a.second <= height;
    const bool turned = a.first <= height && a.second <= width;
    if (a.verb == Verb::Resize && !upright && !turned) {
      Refuse(a, "larger than the screen (--size " + std::to_string(width) + "x" + std::to_string(height) +
                    ", either way up)");
    }
  }
}

void Perform(const Action& a) {
  pf::host::HostControls& store = pf::host::HostControlStore();
  pf::WindowHandle main = cfg::MainWindow();
  if (pf::IsNull(main)) RefuseAfterClose(a);
  pf::WindowHandle target = Handle(a.control);
  const pf::host::HostWindow* shown = store.Window(a.verb == Verb::Tab ? Handle(cfg::TabStrip) : target);
  switch (a.verb) {
    case Verb::Tab: RequireIndex(a, shown == nullptr ? 0 : shown->tabs.size(), "tab"); break;
    case Verb::Select: case Verb::Check: case Verb::DoubleTap:
      RequireIndex(a, shown == nullptr ? 0 : shown->rows.size(), "row");
      break;
    case Verb::Choose: RequireIndex(a, shown == nullptr ? 0 : shown->entries.size(), "entry"); break;
    case Verb::ChooseText:
      if (shown == nullptr || std::find(shown->entries.begin(), shown->entries.end(), a.text) == shown->entries.end()) {
        Refuse(a, "there is no such entry");
      }
      break;
    default: break;
  }
  if (!Play(a, store, main, target)) Refuse(a, "its control is hidden or disabled");
}

}  // namespace ostrel::sim
