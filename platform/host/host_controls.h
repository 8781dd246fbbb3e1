// Host stand-in for windows and controls: a headless store that keeps every control's real state and plays a person's taps.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/controls.h"

namespace pf::host {

// The class of the soft-key bar that SHCreateMenuBar makes.
constexpr const char16_t* kHostMenuBarClass = u"HostMenuBar";

struct HostListRow {
  std::vector<std::u16string> texts;  // column 0 is the caption
  int image = 0;
  std::uint32_t state = 0;
  LPARAM param = 0;
};

struct SoftKey {
  int command = 0;
  std::u16string text;
};

// One window or control with everything a person could see or change.
struct HostWindow {
  WindowHandle handle{};
  std::u16string className;  // as registered or built in ("SysListView32", ...)
  std::u16string text;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  RECT rect;               // in the parent's client coordinates; screen for top-level windows
  WindowHandle parent{};   // child controls
  WindowHandle owner{};    // top-level windows owned by another (the menu bar)
  int id = 0;
  WNDPROC proc = nullptr;  // windows of a registered class
  FontHandle font{};

  // List view.
  std::vector<HostListRow> rows;
  std::vector<int> columnWidths;
  std::vector<std::u16string> columnTexts;
  std::uint32_t listExStyle = 0;
  ImageListHandle smallImages{};
  int scrolledTo = -1;  // the last row made visible
  // Tab control.
  std::vector<std::u16string> tabs;
  int tabSelection = -1;
  // Combo box.
  std::vector<std::u16string> entries;
  int comboSelection = -1;
  // Check box.
  int check = BST_UNCHECKED;
  // Up-down.
  int low = 100;  // the platform's default range runs from 100 down to 0
  int high = 0;
  WindowHandle buddy{};
  int base = 10;
  // Static.
  IconHandle icon{};
  // Menu bar.
  std::vector<SoftKey> softKeys;

  bool Visible() const { return (style & WS_VISIBLE) != 0; }
  bool Enabled() const { return (style & WS_DISABLED) == 0; }
  bool Is(const char16_t* cls) const;
  bool HasCheckBoxes() const { return (listExStyle & LVS_EX_CHECKBOXES) != 0; }
};

struct PostedBroadcast {
  std::uint32_t message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
};

// Moving or sizing a window (MoveWindow, SetWindowPos) keeps its width and
// height within 0 .. 32767 and its position within -32768 .. 32767, as
// measured under Wine; CreateWindowExW takes any size that is not negative.
constexpr int kLargestWindowSide = 32767;
RECT MovedWindowRect(int x, int y, int width, int height);
RECT CreatedWindowRect(int x, int y, int width, int height);

class HostControls : public ControlsService {
 public:
  HostControls();
  ~HostControls() override;

  // ---- ControlsService ----
  std::uint16_t RegisterClassW(const WNDCLASSW* windowClass) override;
  WindowHandle CreateWindowExW(std::uint32_t exStyle, const char16_t* className,
                               const char16_t* windowName, std::uint32_t style, int x, int y,
                               int width, int height, WindowHandle parent,
                               std::uintptr_t menuOrId, ModuleHandle instance,
                               void* param) override;
  int DestroyWindow(WindowHandle window) override;
  int IsWindow(WindowHandle window) override;
  int ShowWindow(WindowHandle window, int command) override;
  int UpdateWindow(WindowHandle window) override;
  int EnableWindow(WindowHandle window, int enable) override;
  int IsWindowVisible(WindowHandle window) override;
  int IsWindowEnabled(WindowHandle window) override;
  int MoveWindow(WindowHandle window, int x, int y, int width, int height, int repaint) override;
  int SetWindowPos(WindowHandle window, WindowHandle insertAfter, int x, int y, int cx, int cy,
                   std::uint32_t flags) override;
  int SetWindowTextW(WindowHandle window, const char16_t* text) override;
  int GetWindowTextW(WindowHandle window, char16_t* buffer, int capacity) override;
  WindowHandle GetDlgItem(WindowHandle parent, int id) override;
  int GetDlgCtrlID(WindowHandle window) override;
  void SetWindowFont(WindowHandle window, FontHandle font, int redraw) override;
  LRESULT SendMessageW(WindowHandle window, std::uint32_t message, WPARAM wParam,
                       LPARAM lParam) override;
  int PostMessageW(WindowHandle window, std::uint32_t message, WPARAM wParam,
                   LPARAM lParam) override;
  LRESULT DefWindowProcW(WindowHandle window, std::uint32_t message, WPARAM wParam,
                         LPARAM lParam) override;
  void PostQuitMessage(int exitCode) override;
  int GetMessageW(MSG* msg, WindowHandle window, std::uint32_t filterMin,
                  std::uint32_t filterMax) override;
  int TranslateMessage(const MSG* msg) override;
  LRESULT DispatchMessageW(const MSG* msg) override;
  // Records the box and answers IDOK, as a person confirming it would.
  int MessageBoxW(WindowHandle owner, const char16_t* text, const char16_t* caption,
                  std::uint32_t type) override;
  WindowHandle FindWindowW(const char16_t* className, const char16_t* windowName) override;
  int SetForegroundWindow(WindowHandle window) override;
  IconHandle LoadIconW(ModuleHandle instance, std::uintptr_t resourceId) override;
  CursorHandle LoadCursorW(ModuleHandle instance, std::uintptr_t resourceId) override;
  CursorHandle SetCursor(CursorHandle cursor) override;
  int GetSystemMetrics(int index) override;
  int InitCommonControls() override;
  int SHInitExtraControls() override;
  int SHCreateMenuBar(SHMENUBARINFO* info) override;
  int ToolBarSetButtonInfo(WindowHandle bar, int command, const TBBUTTONINFOW* info) override;
  int SHHandleWMActivate(WindowHandle window, WPARAM wParam, LPARAM lParam, SHACTIVATEINFO* info,
                         std::uint32_t flags) override;
  int SHHandleWMSettingChange(WindowHandle window, WPARAM wParam, LPARAM lParam,
                              SHACTIVATEINFO* info) override;

  int ListViewInsertItem(WindowHandle list, const LVITEMW* item) override;
  int ListViewSetItem(WindowHandle list, const LVITEMW* item) override;
  int ListViewGetItem(WindowHandle list, LVITEMW* item) override;
  void ListViewSetItemText(WindowHandle list, int item, int subItem,
                           const char16_t* text) override;
  void ListViewGetItemText(WindowHandle list, int item, int subItem, char16_t* buffer,
                           int capacity) override;
  void ListViewSetItemState(WindowHandle list, int item, std::uint32_t state,
                            std::uint32_t mask) override;
  std::uint32_t ListViewGetItemState(WindowHandle list, int item, std::uint32_t mask) override;
  int ListViewDeleteItem(WindowHandle list, int item) override;
  int ListViewDeleteAllItems(WindowHandle list) override;
  int ListViewGetItemCount(WindowHandle list) override;
  int ListViewInsertColumn(WindowHandle list, int column, const LVCOLUMNW* info) override;
  int ListViewSetColumnWidth(WindowHandle list, int column, int width) override;
  int ListViewGetColumnWidth(WindowHandle list, int column) override;
  int ListViewSortItems(WindowHandle list, PFNLVCOMPARE compare, LPARAM sortParam) override;
  int ListViewEnsureVisible(WindowHandle list, int item, int partialOk) override;
  std::uint32_t ListViewSetExtendedStyle(WindowHandle list, std::uint32_t exStyle) override;
  ImageListHandle ListViewSetImageList(WindowHandle list, ImageListHandle images,
                                       int which) override;
  int TabCtrlInsertItem(WindowHandle tab, int index, const TCITEMW* item) override;
  int TabCtrlGetCurSel(WindowHandle tab) override;
  int TabCtrlSetCurSel(WindowHandle tab, int index) override;
  void TabCtrlAdjustRect(WindowHandle tab, int larger, RECT* rect) override;
  int ComboBoxAddString(WindowHandle combo, const char16_t* text) override;
  int ComboBoxResetContent(WindowHandle combo) override;
  int ComboBoxSetCurSel(WindowHandle combo, int index) override;
  int ComboBoxGetCurSel(WindowHandle combo) override;
  int ComboBoxGetCount(WindowHandle combo) override;
  int ComboBoxSelectString(WindowHandle combo, int start, const char16_t* text) override;
  int ButtonGetCheck(WindowHandle button) override;
  void ButtonSetCheck(WindowHandle button, int check) override;
  void UpDownSetRange32(WindowHandle spin, int low, int high) override;
  void UpDownGetRange32(WindowHandle spin, int* low, int* high) override;
  WindowHandle UpDownSetBuddy(WindowHandle spin, WindowHandle buddy) override;
  WindowHandle UpDownGetBuddy(WindowHandle spin) override;
  int UpDownSetBase(WindowHandle spin, int base) override;
  IconHandle StaticSetIcon(WindowHandle control, IconHandle icon) override;

  // UnregisterClassW's part (the window service forwards it): forgets a
  // registered class; false when it is unknown or a window of it still exists.
  bool UnregisterClass(const char16_t* className);

  // ---- What a person sees ----
  const HostWindow* Window(WindowHandle window) const;
  // Screen size in pixels (the area CW_USEDEFAULT gives a top-level window).
  void SetScreenSize(int width, int height);
  SIZE ScreenSize() const { return screen_; }
  const std::vector<PostedBroadcast>& Broadcasts() const { return broadcasts_; }
  // The texts of the message boxes shown, in order.
  const std::vector<std::u16string>& MessageBoxes() const { return messageBoxes_; }
  // The last value handed to SetForegroundWindow (null when none).
  WindowHandle ForegroundRequest() const { return foreground_; }
  CursorHandle CurrentCursor() const { return cursor_; }
  int WaitCursorShows() const { return waitCursorShows_; }
  // List rows whose state was read (ListView_GetItemState) since the last
  // Reset: the work a program does looking for a list's selection.
  long RowStateReads() const { return rowStateReads_; }
  // The menu bar owned by a window (null when it has none).
  WindowHandle MenuBarOf(WindowHandle owner) const;
  bool QuitPosted() const { return quitPosted_; }
  int QuitCode() const { return quitCode_; }

  // ---- The situation around the program ----
  // A top-level window of another process, as a running instance would have.
  WindowHandle AddForeignWindow(const std::u16string& className, const std::u16string& title);
  // Makes the next SHCreateMenuBar calls fail.
  void SetMenuBarFails(bool fails) { menuBarFails_ = fails; }
  // Makes the next `times` calls of an operation fail as the platform's do,
  // doing nothing: "PostMessageW" to HWND_BROADCAST (0), "GetWindowTextW"
  // (-1 and an empty text), "GetWindowTextW as empty" (0 and an empty text:
  // a failure that looks like an empty text), "ListView_GetItem" (FALSE),
  // "ListView_InsertItem" (-1), "ListView_DeleteItem" and
  // "ListView_DeleteAllItems" (FALSE). The first `after` calls still succeed.
  void FailNextCalls(const std::string& call, int times, int after = 0) { failing_[call] = {after, times}; }
  // Asked by GetMessageW when no message is waiting: performs the person's next
  // action and returns true, or returns false when the person is done, which
  // ends the message loop as WM_QUIT with exit code 0 would.
  void SetUserInput(std::function<bool()> nextAction) { userInput_ = std::move(nextAction); }
  // Delivers every posted message now (what the message loop would do next).
  void DispatchPosted();
  // Destroys every window and forgets classes, queue, records and settings.
  void Reset();

  // ---- A person's actions. Each does nothing and returns false when its
  // control is missing, hidden (itself or a parent) or disabled. ----
  bool UserClick(WindowHandle button);
  bool UserTick(WindowHandle checkBox, bool checked);
  // A row beyond the list is a tap below the rows: nothing stays selected.
  bool UserSelectRow(WindowHandle list, int row);
  bool UserCheckRow(WindowHandle list, int row, bool checked);
  bool UserDoubleTap(WindowHandle list, int row);
  // Replaces the text; a number-only edit drops what is not a digit.
  bool UserType(WindowHandle edit, const std::u16string& text);
  bool UserChoose(WindowHandle combo, int index);
  // Chooses the first entry equal to text; false when none is.
  bool UserChooseText(WindowHandle combo, const std::u16string& text);
  bool UserSelectTab(WindowHandle tab, int index);
  // An arrow of an up-down: steps its buddy's number within the range.
  bool UserSpin(WindowHandle spin, int steps);
  // A soft key of the menu bar owned by owner: 0 left, 1 right.
  bool UserSoftKey(WindowHandle owner, int index);
  // The window resized, as when the screen turns or the input panel opens.
  bool UserResize(WindowHandle window, int width, int height);

 private:
  struct ClassInfo {
    std::u16string name;
    WNDPROC proc = nullptr;
  };
  struct Posted {
    MSG msg;
  };

  // True when this call of the operation is one FailNextCalls chose.
  bool Fails(const char* call);
  HostWindow* Find(WindowHandle window);
  const HostWindow* Find(WindowHandle window) const;
  HostWindow* FindOf(WindowHandle window, const char16_t* cls);
  bool KnownClass(const std::u16string& name, WNDPROC* proc) const;
  bool CanTouch(WindowHandle window);
  void Remove(WindowHandle window);
  int Dpi(int axis) const;
  LRESULT Notify(WindowHandle control, NMHDR* header);
  void Command(WindowHandle control, unsigned code);
  void NotifyItemChanged(WindowHandle list, int item, std::uint32_t oldState,
                         std::uint32_t newState, std::uint32_t changed);
  void ChangeItemState(WindowHandle list, int item, std::uint32_t state, std::uint32_t mask);
  int TextWidth(const std::u16string& text) const;
  void AlignSpinToBuddy(HostWindow& spin);

  std::map<std::uintptr_t, std::unique_ptr<HostWindow>> windows_;
  std::vector<WindowHandle> order_;  // creation order
  std::vector<ClassInfo> classes_;
  std::deque<Posted> queue_;
  std::vector<PostedBroadcast> broadcasts_;
  std::vector<std::u16string> messageBoxes_;
  std::function<bool()> userInput_;
  std::uintptr_t nextHandle_ = 0x10000;
  SIZE screen_{240, 320};
  WindowHandle foreground_{};
  CursorHandle cursor_{};
  int waitCursorShows_ = 0;
  long rowStateReads_ = 0;
  bool commonControls_ = false;
  bool extraControls_ = false;
  bool menuBarFails_ = false;
  struct Failing {
    int after = 0;  // calls that still succeed first
    int times = 0;  // calls that fail then
  };
  std::map<std::string, Failing> failing_;
  bool quitPosted_ = false;
  int quitCode_ = 0;
};

HostControls& HostControlStore();

}  // namespace pf::host
