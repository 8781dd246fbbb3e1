// A person's taps on the host controls: each reaches the program as the real control's notifications, and only when the control can be touched.
#include <algorithm>
#include <climits>

#include "platform/host/host_controls.h"
#include "platform/text.h"

namespace pf::host {

namespace {

constexpr std::uint32_t kBoxMask = LVIS_STATEIMAGEMASK;

bool InRange(int index, std::size_t count) { return index >= 0 && index < static_cast<int>(count); }

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// The number an up-down reads from its buddy: optional blanks and sign, digits.
int LeadingNumber(const std::u16string& text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
  long long value = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i) {
    value = std::min<long long>(value * 10 + (text[i] - u'0'), INT_MAX);
  }
  return static_cast<int>(negative ? -value : value);
}

}  // namespace

bool HostControls::CanTouch(WindowHandle window) {
  return Find(window) != nullptr && IsWindowVisible(window) && IsWindowEnabled(window);
}

bool HostControls::UserClick(WindowHandle button) {
  HostWindow* w = FindOf(button, WC_BUTTON);
  if (w == nullptr || !CanTouch(button)) return false;
  if ((w->style & 0x0F) == BS_AUTOCHECKBOX) {
    w->check = w->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
  }
  Command(button, BN_CLICKED);
  return true;
}

bool HostControls::UserTick(WindowHandle checkBox, bool checked) {
  HostWindow* w = FindOf(checkBox, WC_BUTTON);
  if (w == nullptr || !CanTouch(checkBox)) return false;
  if ((w->check == BST_CHECKED) == checked) return true;
  return UserClick(checkBox);
}

bool HostControls::UserSelectRow(WindowHandle list, int row) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !CanTouch(list)) return false;
  if (!InRange(row, w->rows.size())) {
    ListViewSetItemState(list, -1, 0, LVIS_SELECTED);
    return true;
  }
  std::uint32_t both = LVIS_SELECTED | LVIS_FOCUSED;
  // The tap moves the focus away from any other row, then selects this one.
  for (int i = 0;; ++i) {
    w = FindOf(list, WC_LISTVIEW);
    if (w == nullptr || !InRange(i, w->rows.size())) break;
    if (i != row) ChangeItemState(list, i, 0, LVIS_FOCUSED);
  }
  ChangeItemState(list, row, both, both);
  return true;
}

bool HostControls::UserCheckRow(WindowHandle list, int row, bool checked) {
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr || !CanTouch(list) || !w->HasCheckBoxes() || !InRange(row, w->rows.size())) {
    return false;
  }
  ChangeItemState(list, row, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), kBoxMask);
  return true;
}

bool HostControls::UserDoubleTap(WindowHandle list, int row) {
  if (!UserSelectRow(list, row)) return false;
  HostWindow* w = FindOf(list, WC_LISTVIEW);
  if (w == nullptr) return true;
  NMITEMACTIVATE nm;
  nm.hdr.code = NM_DBLCLK;
  nm.iItem = InRange(row, w->rows.size()) ? row : -1;
  Notify(list, &nm.hdr);
  return true;
}

bool HostControls::UserType(WindowHandle edit, const std::u16string& text) {
  HostWindow* w = FindOf(edit, WC_EDIT);
  if (w == nullptr || !CanTouch(edit)) return false;
  std::u16string typed;
  for (char16_t c : text) {
    if (!(w->style & ES_NUMBER) || IsDigit(c)) typed.push_back(c);
  }
  w->text = typed;
  Command(edit, EN_CHANGE);
  return true;
}

bool HostControls::UserChoose(WindowHandle combo, int index) {
  HostWindow* w = FindOf(combo, WC_COMBOBOX);
  if (w == nullptr || !CanTouch(combo) || !InRange(index, w->entries.size())) return false;
  w->comboSelection = index;
  Command(combo, CBN_SELCHANGE);
  return true;
}

bool HostControls::UserChooseText(WindowHandle combo, const std::u16string& text) {
  HostWindow* w = FindOf(combo, WC_COMBOBOX);
  if (w == nullptr) return false;
  auto it = std::find(w->entries.begin(), w->entries.end(), text);
  if (it == w->entries.end()) return false;
  return UserChoose(combo, static_cast<int>(it - w->entries.begin()));
}

bool HostControls::UserSelectTab(WindowHandle tab, int index) {
  HostWindow* w = FindOf(tab, WC_TABCONTROL);
  if (w == nullptr || !CanTouch(tab) || !InRange(index, w->tabs.size())) return false;
  if (w->tabSelection == index) return true;
  NMHDR changing;
  changing.code = TCN_SELCHANGING;
  if (Notify(tab, &changing) != 0) return true;  // the parent refused the change
  if ((w = FindOf(tab, WC_TABCONTROL)) == nullptr) return true;
  w->tabSelection = index;
  NMHDR changed;
  changed.code = TCN_SELCHANGE;
  Notify(tab, &changed);
  return true;
}

bool HostControls::UserSpin(WindowHandle spin, int steps) {
  HostWindow* w = FindOf(spin, UPDOWN_CLASS);
  if (w == nullptr || !CanTouch(spin)) return false;
  HostWindow* buddy = Find(w->buddy);
  if (buddy == nullptr) return false;
  int low = std::min(w->low, w->high);
  int high = std::max(w->low, w->high);
  // The up arrow moves from the range's first value toward its second.
  long long value = LeadingNumber(buddy->text) + static_cast<long long>(steps) * (w->high >= w->low ? 1 : -1);
  value = std::clamp<long long>(value, low, high);
  if (w->style & UDS_SETBUDDYINT) {
    std::u16string digits = FromUtf8(std::to_string(value));
    WindowHandle target = w->buddy;
    SetWindowTextW(target, digits.c_str());
  }
  return true;
}

bool HostControls::UserSoftKey(WindowHandle owner, int index) {
  HostWindow* bar = Find(MenuBarOf(owner));
  if (bar == nullptr || !CanTouch(bar->handle) || !InRange(index, bar->softKeys.size())) {
    return false;
  }
  int command = bar->softKeys[index].command;
  SendMessageW(owner, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(command), 0), 0);
  return true;
}

bool HostControls::UserResize(WindowHandle window, int width, int height) {
  HostWindow* w = Find(window);
  if (w == nullptr || !IsNull(w->parent) || width < 0 || height < 0) return false;
  return MoveWindow(window, w->rect.left, w->rect.top, width, height, 1) != 0;
}

}  // namespace pf::host
