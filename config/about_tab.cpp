// The About tab: the program's name, years and home page, and its icon.
#include "config/program.h"
#include "platform/controls.h"

namespace ostrel::cfg {

namespace {
constexpr std::uintptr_t kProgramIcon = 101;
}

const char16_t* AboutText(Control label) {
  switch (label) {
    case AboutYearsLabel: return u"\u00A9 2026 Vekta";
    case AboutWebLabel: return u"www.vekta.example";
    default: return u"";
  }
}

void PrepareAboutControls() {
  Program& p = State();
  pf::Static_SetIcon(Ctl(AboutIcon), pf::LoadIconW(p.Instance, kProgramIcon));
  pf::SetWindowFont(Ctl(AboutNameLabel), p.NameFont, 0);
}

}  // namespace ostrel::cfg
