// The item window as the Today shell drives it: creation, the refresh query, selection, navigation, the menu, the options dialog and the module's class.
#include "tests/item_test_support.h"

namespace ostrel::testing {
namespace {

pf::COLORREF PixelOf(const pf::host::RasterImage& picture, int x, int y) {
  return pf::host::ColorFromPixel(picture.At(x, y));
}

TEST_F(ItemTest, InitializeCustomItemMakesAVisibleChildAtScreenWidthWithItsTimer) {
  controls.SetScreenSize(320, 240);
  ASSERT_TRUE(AttachModule(kModule));
  item = InitializeCustomItem(&listItem, today);
  ASSERT_FALSE(pf::IsNull(item));
  const pf::host::HostWindow* w = controls.Window(item);
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(w->className, u"Ostrel");
  EXPECT_EQ(w->text, u"Ostrel");
  EXPECT_EQ(w->style, pf::WS_CHILD | pf::WS_VISIBLE);
  EXPECT_EQ(w->parent, today);
  pf::RECT client;
  pf::GetClientRect(item, &client);
  EXPECT_EQ(client.right, 320);
  EXPECT_EQ(client.bottom, 0) << "the shell sizes the item after its refresh query";
  EXPECT_EQ(windows.TimerPeriod(item, 1), 1000u);

  pf::DestroyWindow(item);
  EXPECT_EQ(windows.TimerPeriod(item, 1), 0u) << "WM_DESTROY stops timer 1";
  item = pf::WindowHandle{};
  DetachModule();
  EXPECT_EQ(windows.UnregisteredClasses().back(), u"Ostrel");
}

TEST_F(ItemTest, ModuleClassCanBeRegisteredAgainButAFailedRegistrationFailsTheAttach) {
  ASSERT_TRUE(AttachModule(kModule));
  DetachModule();
  ASSERT_TRUE(AttachModule(kModule)) << "detach removed the class";
  ASSERT_TRUE(AttachModule(kModule)) << "attach removes the module's old class first";
  item = InitializeCustomItem(&listItem, today);
  ASSERT_FALSE(pf::IsNull(item));
  // While a window of the class lives, the class cannot be removed, so it
  // cannot be registered anew: the module must not load.
  EXPECT_FALSE(AttachModule(kModule));
  pf::DestroyWindow(item);
  item = pf::WindowHandle{};
  DetachModule();
}

TEST_F(ItemTest, RefreshQueryReportsAChangedHeightOnceAndForcesARefresh) {
  ASSERT_TRUE(AttachModule(kModule));
  item = InitializeCustomItem(&listItem, today);
  const int before = Repaints();
  EXPECT_EQ(Query(), 1);
  EXPECT_EQ(listItem.cyp, 15u + 30u + 15u + 48u) << "fixed blocks plus the tallest page";
  EXPECT_GT(Repaints(), before) << "a changed height refreshes and repaints";
  EXPECT_NE(Status().TimeText[0], 0) << "the forced refresh formats the clock";
  const int afterChange = Repaints();
  EXPECT_EQ(Query(), 0);
  EXPECT_EQ(Query(), 0);
  EXPECT_EQ(Repaints(), afterChange) << "an unchanged height asks for nothing";
  listItem.cyp = 40;
  EXPECT_EQ(Query(), 1);
  EXPECT_EQ(listItem.cyp, 108u);
  EXPECT_EQ(Send(pf::WM_TODAYCUSTOM_QUERYREFRESHCACHE, 0), 0) << "no item record: nothing to report";
  DetachModule();
}

TEST_F(ItemTest, ItemHeightNeverFallsBelowTwentyDesignPixels) {
  for (const char16_t* block : {u"Wireless", u"Time", u"Date", u"Calendar", u"Launcher", u"SysInfo"}) {
    SetBlock(block, u"Visible", 0);
  }
  Create();
  EXPECT_EQ(listItem.cyp, 20u);
  pf::DestroyWindow(item);
  pf::host::HostScreen().SetScreenDpi(192, 192);
  listItem = pf::TODAYLISTITEM{};
  Create(480);
  EXPECT_EQ(listItem.cyp, 40u);
}

TEST_F(ItemTest, SelectionPaintsTheHighlightColorInsteadOfTheWatermark) {
  Create();
  std::vector<DrawRecord> log = Paint();
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.front().kind, DrawKind::Fill);
  EXPECT_EQ(log.front().color, kWatermark);
  EXPECT_EQ(log.front().rect, (pf::RECT{0, 0, 240, 108}));
  EXPECT_EQ(log.back().kind, DrawKind::Copy) << "one copy puts the frame on screen";
  EXPECT_EQ(log.back().rect, (pf::RECT{0, 0, 240, 108}));
  auto picture = pf::host::HostScreen().WindowPicture(item);
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(PixelOf(*picture, 239, 107), kWatermark);

  const int before = Repaints();
  EXPECT_EQ(Send(pf::WM_TODAYCUSTOM_RECEIVEDSELECTION), 1);
  EXPECT_EQ(Repaints(), before + 1);
  log = Paint();
  EXPECT_EQ(log.front().kind, DrawKind::Fill);
  EXPECT_EQ(log.front().color, kHighlight);
  picture = pf::host::HostScreen().WindowPicture(item);
  EXPECT_EQ(PixelOf(*picture, 239, 107), kHighlight);

  EXPECT_EQ(Send(pf::WM_TODAYCUSTOM_LOSTSELECTION), 1);
  EXPECT_EQ(Repaints(), before + 2);
  EXPECT_EQ(Paint().front().color, kWatermark);
}

TEST_F(ItemTest, PrintClientAndEraseDrawIntoTheGivenSurface) {
  Create();
  pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  pf::SurfaceHandle dc = pf::CreateCompatibleDC(screen);
  pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(screen, 240, 108);
  pf::ReleaseDC(pf::WindowHandle{}, screen);
  pf::BitmapHandle old = pf::SelectObject(dc, bitmap);

  EXPECT_EQ(Send(pf::WM_PRINTCLIENT, static_cast<pf::WPARAM>(dc)), 0);
  EXPECT_EQ(pf::GetPixel(dc, 239, 107), kWatermark) << "the frame was copied into the surface";
  EXPECT_EQ(windows.OpenPaints(), 0);

  pf::host::ClearDrawLog();
  EXPECT_EQ(Send(pf::WM_ERASEBKGND, static_cast<pf::WPARAM>(dc)), 1);
  ASSERT_EQ(pf::host::DrawLog().size(), 1u);
  EXPECT_EQ(pf::host::DrawLog()[0].surface, dc);
  EXPECT_EQ(pf::host::DrawLog()[0].color, kWatermark);

  pf::SelectObject(dc, old);
  pf::DeleteObject(bitmap);
  pf::DeleteDC(dc);
}

TEST_F(ItemTest, NavigationKeysTurnPagesAndOtherKeysGoBackToTheShell) {
  Create();
  const int before = Repaints();
  EXPECT_EQ(Key(pf::VK_UP), 0);
  EXPECT_EQ(Key(pf::VK_DOWN), 0);
  EXPECT_EQ(Key(13), 0);
  EXPECT_EQ(Repaints(), before);
  EXPECT_TRUE(DrewText(Paint(), u"пн")) << "the calendar is still the page";

  EXPECT_EQ(Key(pf::VK_RIGHT), 1);
  EXPECT_EQ(Key(pf::VK_RIGHT), 1);
  EXPECT_EQ(Repaints(), before + 2);
  std::vector<DrawRecord> log = Paint();
  EXPECT_TRUE(DrewText(log, u"85%")) << "calendar, launcher, then the system information";
  EXPECT_FALSE(DrewText(log, u"пн"));
  EXPECT_EQ(Key(pf::VK_LEFT), 1);
  EXPECT_EQ(Key(pf::VK_LEFT), 1);
  EXPECT_TRUE(DrewText(Paint(), u"пн"));
}

TEST_F(ItemTest, ShellMessagesTheItemDoesNotHandleReturnZero) {
  Create();
  const int before = Repaints();
  EXPECT_EQ(Send(pf::WM_TODAYCUSTOM_CLEARCACHE), 0);
  EXPECT_EQ(Send(pf::WM_TODAYCUSTOM_ACTION), 0);
  EXPECT_EQ(Send(pf::WM_USER), 0);
  EXPECT_EQ(Send(pf::WM_COMMAND, 1007), 0);
  EXPECT_EQ(Repaints(), before) << "WM_USER re-reads the phone status without a repaint";
  EXPECT_TRUE(shell.Starts().empty());
}

TEST_F(ItemTest, TapAndHoldOpensTheMenuAndNeitherTracksNorTaps) {
  Create();
  pf::MoveWindow(item, 0, 26, 240, 108, 1);
  const int before = Repaints();
  Hold(100, 70);
  EXPECT_EQ(windows.LastGesture().cbSize, 20u);
  EXPECT_EQ(windows.LastGesture().hwndClient, item);
  EXPECT_EQ(windows.LastGesture().ptDown.x, 100);
  EXPECT_EQ(windows.LastGesture().ptDown.y, 70);
  EXPECT_EQ(windows.LastGesture().dwFlags, pf::SHRG_RETURNCMD);
  ASSERT_EQ(windows.MenuOpenings().size(), 1u);
  const pf::host::MenuOpening& menu = windows.MenuOpenings()[0];
  ASSERT_EQ(menu.entries.size(), 1u);
  EXPECT_EQ(menu.entries[0].id, 1006u);
  EXPECT_EQ(menu.entries[0].text, u"Настройки");
  EXPECT_EQ(menu.entries[0].flags, pf::MF_STRING);
  EXPECT_EQ(menu.flags, 0u);
  EXPECT_EQ(menu.owner, item);
  EXPECT_EQ(menu.at.x, 100);
  EXPECT_EQ(menu.at.y, 26 + 70) << "the menu opens at the pen, in screen coordinates";
  EXPECT_TRUE(pf::IsNull(windows.Capture()));
  Pen(pf::WM_MOUSEMOVE, 10, 70);
  EXPECT_EQ(Repaints(), before) << "a hold starts no swipe";
  EXPECT_TRUE(shell.Starts().empty());

  ASSERT_TRUE(windows.ChooseMenuEntry(1006));
  EXPECT_EQ(Launched(), std::vector<std::string>{"\"\\Windows\\ostrelcfg.exe\""});
}

TEST_F(ItemTest, SettingsProgramStartsFromMenuAndOptionsOnlyWhenItIsThere) {
  Create();
  Remove("Windows/ostrelcfg.exe");
  Hold(50, 50);
  ASSERT_TRUE(windows.ChooseMenuEntry(1006));
  const pf::WindowHandle dialog{0xD1A};
  EXPECT_EQ(CustomItemOptionsDlgProc(dialog, pf::WM_INITDIALOG, 0x10000 | 7, 0), 1);
  EXPECT_TRUE(shell.Starts().empty()) << "nothing to start";

  Touch("Windows/ostrelcfg.exe");
  EXPECT_EQ(CustomItemOptionsDlgProc(dialog, pf::WM_INITDIALOG, 7, 0), 1);
  EXPECT_EQ(Launched(), std::vector<std::string>{"\"\\Windows\\ostrelcfg.exe\""});
  ASSERT_EQ(windows.EndedDialogs().size(), 2u) << "the dialog closes at once either way";
  EXPECT_EQ(windows.EndedDialogs()[0], std::make_pair(dialog, std::intptr_t{7}));
}

TEST_F(ItemTest, OptionsDialogEndsOnOkAndCancelAndIgnoresTheRest) {
  const pf::WindowHandle dialog{0xD1A};
  EXPECT_EQ(CustomItemOptionsDlgProc(dialog, pf::WM_COMMAND, pf::IDOK, 0), 1);
  EXPECT_EQ(CustomItemOptionsDlgProc(dialog, pf::WM_COMMAND, pf::IDCANCEL, 0), 1);
  EXPECT_EQ(CustomItemOptionsDlgProc(dialog, pf::WM_COMMAND, 1006, 0), 1);
  EXPECT_EQ(CustomItemOptionsDlgProc(dialog, pf::WM_PAINT, 0, 0), 0);
  ASSERT_EQ(windows.EndedDialogs().size(), 2u);
  EXPECT_EQ(windows.EndedDialogs()[0].second, pf::IDOK);
  EXPECT_EQ(windows.EndedDialogs()[1].second, pf::IDCANCEL);
}

TEST_F(ItemTest, DrawingObjectsComeBackAfterCreationsPaintsAndDestructions) {
  SetLauncherPaths(3);
  const int baseline = pf::LiveDrawingObjects();
  Create();
  EXPECT_GT(pf::LiveDrawingObjects(), baseline) << "images and icons are held by the item";
  Paint();
  Send(pf::WM_TODAYCUSTOM_RECEIVEDSELECTION);
  Paint();
  Pen(pf::WM_LBUTTONDOWN, 200, 80);
  Pen(pf::WM_MOUSEMOVE, 120, 80);
  Paint();
  Pen(pf::WM_LBUTTONUP, 120, 80);
  const pf::WindowHandle first = item;
  // A second window of the same module takes the state over; destroying the
  // older one afterwards must leave the newer one's objects alone.
  Create();
  pf::DestroyWindow(first);
  EXPECT_TRUE(DrewText(Paint(), u"пн"));
  EXPECT_EQ(Of(Paint(), DrawKind::Icon).size(), 0u) << "the launcher is not the page";
  Key(pf::VK_RIGHT);
  EXPECT_EQ(Of(Paint(), DrawKind::Icon).size(), 3u) << "the newer window's icons survived";
  pf::DestroyWindow(item);
  item = pf::WindowHandle{};
  EXPECT_EQ(pf::LiveDrawingObjects(), baseline) << "the last window released images and icons";
  EXPECT_EQ(windows.LiveMenus(), 0);
}

// A block of absurd height: the shell sizes the window no larger than the
// platform's 32767 pixels; at full width that is more than the largest
// bitmap, so the off-screen frame is refused and the paint draws nothing,
// leaks nothing and leaves no paint open.
TEST_F(ItemTest, APaintWhoseFrameBitmapIsRefusedDrawsNothingAndLeaksNothing) {
  SetBlock(u"Time", u"Height", 0x7FFFFFFF);
  Create();
  EXPECT_EQ(listItem.cyp, 0x7FFFFFFFu);
  pf::RECT client;
  pf::GetClientRect(item, &client);
  EXPECT_EQ(client.bottom, 32767) << "the window is as tall as the platform allows";
  EXPECT_FALSE(Paint().empty()) << "240 x 32767 is within the largest bitmap";

  pf::MoveWindow(item, 0, 0, 32767, 0x7FFFFFFF, 1);
  const int live = pf::LiveDrawingObjects();
  pf::host::ClearDrawingFaults();
  EXPECT_TRUE(Paint().empty());
  EXPECT_EQ(pf::LiveDrawingObjects(), live);
  EXPECT_TRUE(pf::host::DrawingFaults().empty());
}

TEST_F(ItemTest, BitmapsAreRefusedBeyondTheLargestThePlatformMakes) {
  EXPECT_TRUE(pf::host::GdiMakesBitmap(240, 2236962, 32));
  EXPECT_FALSE(pf::host::GdiMakesBitmap(240, 2236963, 32)) << "over 2^31 - 1 bytes";
  EXPECT_TRUE(pf::host::GdiMakesBitmap(16384, 32767, 32));
  EXPECT_FALSE(pf::host::GdiMakesBitmap(32767, 32767, 32));
  EXPECT_TRUE(pf::host::GdiMakesBitmap(67108863, 1, 32));
  EXPECT_FALSE(pf::host::GdiMakesBitmap(67108864, 1, 32)) << "a row's bits must count in 32 bits";
  EXPECT_TRUE(pf::host::GdiMakesBitmap(1, 0x7FFFFFF, 32));
  EXPECT_FALSE(pf::host::GdiMakesBitmap(1, 0x8000000, 1));
  EXPECT_TRUE(pf::host::GdiMakesBitmap(240, 67108863, 1));
  EXPECT_FALSE(pf::host::GdiMakesBitmap(240, 67108864, 1));
  const pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  EXPECT_TRUE(pf::IsNull(pf::CreateCompatibleBitmap(screen, 240, 2236963)));
  EXPECT_TRUE(pf::IsNull(pf::CreateCompatibleBitmap(screen, 0x7FFFFFFF, 0x7FFFFFFF)));
  pf::ReleaseDC(pf::WindowHandle{}, screen);
}

}  // namespace
}  // namespace ostrel::testing
