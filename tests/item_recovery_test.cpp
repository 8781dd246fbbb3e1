// The item under a refusing platform: every refused call of a kind at creation, in turn, leaves no object behind and is mended by the next tick or refresh query; refused selects and date formats.
#include <functional>
#include <memory>

#include "tests/item_test_support.h"

namespace ostrel::testing {
namespace {

using pf::host::ClearCallFaults;
using pf::host::FailCall;
using pf::host::PlannedCallFaults;

// A page as the window showed it after a paint.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<pf::host::Pixel> pixels;
  bool operator==(const Picture& o) const {
    return width == o.width && height == o.height && pixels == o.pixels;
  }
};

std::ostream& operator<<(std::ostream& out, const Picture& p) {
  return out << p.width << " x " << p.height;
}

// How the shell comes back to the item after a creation the platform spoiled.
enum class Mend { ByTick, ByQuery };

class ItemRecoveryTest : public ItemTest {
 protected:
  // Settings stored off their defaults, the density-scaled ones among them,
  // so that a default drawn instead of a stored value shows.
  void SetUp() override {
    ItemTest::SetUp();
    SetLauncherPaths(5);
    SetBlock(u"Time", u"ShowAlarm", 1);
    SetRoot(u"MarginLeft", 6);
    SetRoot(u"MarginTop", 3);
    SetRoot(u"MarginRight", 4);
    SetRoot(u"FixedPageCount", 2);
    SetBlock(u"Time", u"Height", 34);
    SetBlock(u"Date", u"FontSize1", 11);
    SetBlockText(u"Wireless", u"FontName", u"DejaVu Sans");
    SetBlock(u"Calendar", u"Order", 1);
    SetBlock(u"Launcher", u"BigIcons", 0);
  }

  // Every page, painted in turn from the current one.
  std::vector<Picture> PagePictures() {
    std::vector<Picture> pictures;
    const int pages = Item().PageCount > 0 ? Item().PageCount : 1;
    for (int page = 0; page < pages; ++page) {
      Paint();
      const auto shown = pf::host::HostScreen().WindowPicture(item);
      pictures.push_back(shown ? Picture{shown->Width(), shown->Height(), shown->Pixels()} : Picture{});
      Key(pf::VK_RIGHT);
    }
    return pictures;
  }

  // The item created while `refuse` plans its fault, then sized by the
  // shell; then one tick, or one more query of the shell. False when the
  // planned fault did not come during the creation.
  bool CreateAndMend(const std::function<bool()>& refused, Mend mend) {
    Initialize();
    const bool came = refused();
    ClearCallFaults();
    registry.SetFailureHook(nullptr);
    SizeLikeTheShell();
    if (mend == Mend::ByTick) {
      Send(pf::WM_TIMER, kRefreshTimer);
    } else {
      Query();
    }
    return came;
  }

  void Destroy() {
    pf::DestroyWindow(item);
    item = pf::WindowHandle{};
  }

  // For n = 1, 2, ... `plan`(n) makes the nth platform call of a kind fail
  // during creation, until creation makes no nth call. The pages must then
  // show what a clean creation shows and the item must give back every
  // object it made. Returns how many creations were spoiled.
  int SweepCreation(const std::string& what, const std::function<std::function<bool()>(int)>& plan,
                    Mend mend) {
    const int baseline = pf::LiveDrawingObjects();
    CreateAndMend([] { return false; }, mend);
    const std::vector<Picture> clean = PagePictures();
    Destroy();
    int spoiled = 0;
    for (int n = 1; n < 400; ++n) {
      const bool came = CreateAndMend(plan(n), mend);
      if (!came) {
        Destroy();
        break;
      }
      ++spoiled;
      EXPECT_EQ(windows.TimerPeriod(item, kRefreshTimer), kRefreshPeriod) << what << " #" << n;
      EXPECT_EQ(PagePictures(), clean) << what << " #" << n << " refused at creation";
      Destroy();
      EXPECT_EQ(pf::LiveDrawingObjects(), baseline) << what << " #" << n;
      EXPECT_EQ(windows.LiveMenus(), 0) << what << " #" << n;
      EXPECT_TRUE(pf::host::DrawingFaults().empty()) << what << " #" << n << ": "
                                                    << pf::host::DrawingFaults().front();
      pf::host::ClearDrawingFaults();
    }
    return spoiled;
  }

  // The nth call of a stand-in call refused.
  int SweepCalls(const char* call, Mend mend) {
    return SweepCreation(call, [call](int n) {
      FailCall(call, n);
      return std::function<bool()>([] { return PlannedCallFaults() == 0; });
    }, mend);
  }

  // The nth open or query of the item's settings keys refused.
  int SweepSettingsReads(Mend mend) {
    return SweepCreation("settings read", [this](int n) {
      auto came = std::make_shared<bool>(false);
      registry.SetFailureHook([came, countdown = n](pf::host::RegOp op, const std::u16string& path,
                                                    const std::u16string&) mutable -> long {
        const bool read = op == pf::host::RegOp::Open || op == pf::host::RegOp::Query;
        if (!read || path.find(u"Vekta\\Ostrel") == std::u16string::npos || --countdown != 0) return 0;
        *came = true;
        return pf::ERROR_ACCESS_DENIED;
      });
      return std::function<bool()>([came] { return *came; });
    }, mend);
  }
};

TEST_F(ItemRecoveryTest, WhatCreationCouldNotGetIsFetchedAgainByTheFirstTick) {
  for (const char* call : {"GetDC", "GetSystemMetrics", "GetClientRect", "GetLocaleInfoW",
                           "SHGetFileInfoW", "SHLoadImageFile"}) {
    EXPECT_GT(SweepCalls(call, Mend::ByTick), 0) << call << " is made at creation";
  }
  EXPECT_GT(SweepSettingsReads(Mend::ByTick), 50) << "every open and query of the settings";
}

TEST_F(ItemRecoveryTest, WhatCreationCouldNotGetIsFetchedAgainByTheShellsQuery) {
  for (const char* call : {"GetDC", "GetSystemMetrics", "GetClientRect", "GetLocaleInfoW",
                           "SHGetFileInfoW", "SHLoadImageFile", "SetTimer"}) {
    EXPECT_GT(SweepCalls(call, Mend::ByQuery), 0) << call << " is made at creation";
  }
  EXPECT_GT(SweepSettingsReads(Mend::ByQuery), 50) << "every open and query of the settings";
}

// A read the registry keeps refusing: the whole settings are not loaded
// again every second, yet they come soon after the registry gives them.
TEST_F(ItemRecoveryTest, ALastingRefusalIsAskedForLessAndLessOftenUntilItEnds) {
  int reads = 0;
  bool refusing = true;
  registry.SetFailureHook([&](pf::host::RegOp op, const std::u16string&, const std::u16string& name) -> long {
    if (op != pf::host::RegOp::Query || name != u"MarginLeft") return 0;
    ++reads;
    return refusing ? pf::ERROR_ACCESS_DENIED : 0;
  });
  Create();
  for (int tick = 0; tick < 200; ++tick) Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_LE(reads, 12) << "after 1, 2, 4 ... 64 ticks, not every tick";
  EXPECT_GE(reads, 8);
  EXPECT_NE(PluginSettings().MarginLeft, 6);
  refusing = false;
  for (int tick = 0; tick < 65; ++tick) Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(PluginSettings().MarginLeft, 6);
  EXPECT_EQ(Item().Missing, 0u);
  const int done = reads;
  for (int tick = 0; tick < 100; ++tick) Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(reads, done);
  registry.SetFailureHook(nullptr);
}

TEST_F(ItemRecoveryTest, ARefusedTimerIsAskedForAgainAtTheNextQueryOnly) {
  FailCall("SetTimer");
  Initialize();
  EXPECT_EQ(windows.TimerPeriod(item, kRefreshTimer), 0u);
  SizeLikeTheShell();
  EXPECT_EQ(windows.TimerPeriod(item, kRefreshTimer), kRefreshPeriod);
  FailCall("SetTimer");
  Query();
  EXPECT_EQ(PlannedCallFaults(), 1) << "a running timer is not asked for again";
}

// Every select of one creation, three paints and a destruction refused in
// turn: no font or bitmap stays selected, so each is deleted.
TEST_F(ItemRecoveryTest, RefusedSelectsLeaveNoDrawingObjectBehind) {
  const int baseline = pf::LiveDrawingObjects();
  for (int n = 1;; ++n) {
    ASSERT_LT(n, 400);
    FailCall("SelectObject", n);
    Create();
    Paint();
    Key(pf::VK_RIGHT);
    Paint();
    Send(pf::WM_TODAYCUSTOM_RECEIVEDSELECTION);
    Paint();
    const bool refused = PlannedCallFaults() == 0;
    ClearCallFaults();
    Destroy();
    EXPECT_EQ(pf::LiveDrawingObjects(), baseline) << "select #" << n << " refused";
    ASSERT_TRUE(pf::host::DrawingFaults().empty()) << "select #" << n << ": "
                                                   << pf::host::DrawingFaults().front();
    if (!refused) break;
  }
}

// A frame whose bitmap cannot be selected draws nothing, and the next tick
// asks for the paint once more even when nothing shown changed.
TEST_F(ItemRecoveryTest, APaintThatDrewNothingIsAskedForAgainAtTheNextTick) {
  Create();
  Paint();
  windows.ClearInvalidations();
  Send(pf::WM_TIMER, kRefreshTimer);
  ASSERT_EQ(Repaints(), 0) << "an idle tick asks for no paint";
  FailCall("SelectObject");
  EXPECT_TRUE(Of(Paint(), DrawKind::DrawText).empty());
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 1);
  EXPECT_TRUE(DrewText(Paint(), u"07:05"));
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 1) << "asked for once";
}

TEST_F(ItemRecoveryTest, ARefusedRepaintRequestIsMadeAgainAtTheNextTick) {
  Create();
  clock.Advance(60);
  windows.ClearInvalidations();
  FailCall("InvalidateRect");
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 0) << "the new minute's request was refused";
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 1);
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 1);
}

TEST_F(ItemRecoveryTest, ARefusedDateFormatIsDoneAgainAtTheNextTick) {
  Create();
  const std::u16string date1 = Status().DateText1;
  const std::u16string date2 = Status().DateText2;
  ASSERT_FALSE(date1.empty());
  clock.Advance(60);
  FailCall("GetDateFormatW", 2);  // the second line's
  windows.ClearInvalidations();
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Status().DateText1, date1);
  EXPECT_EQ(std::u16string(Status().DateText2), u"");
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Status().DateText2, date2) << "formatted again a second later, not a minute";
  EXPECT_EQ(Repaints(), 2) << "the new minute, then the date that came";
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 2) << "nothing more to fetch";
}

TEST_F(ItemRecoveryTest, ARefusedStorageCardFolderIsReadAgainAtTheNextTickAndAMissingOneIsNot) {
  Create();
  EXPECT_EQ(Item().Missing & kMissingCardPath, 0u) << "no folder stored: nothing to fetch";
  Destroy();
  registry.SetString(pf::HKEY_CURRENT_USER, u"Software\\Microsoft\\File Explorer", u"StorageCardPath",
                     u"\\Card");
  registry.SetFailureHook([](pf::host::RegOp op, const std::u16string&, const std::u16string& name) -> long {
    return op == pf::host::RegOp::Query && name == u"StorageCardPath" ? pf::ERROR_ACCESS_DENIED : 0;
  });
  Initialize();
  registry.SetFailureHook(nullptr);
  EXPECT_EQ(std::u16string(Status().StorageCardPath), u"");
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(std::u16string(Status().StorageCardPath), u"\\Card");
  EXPECT_EQ(Item().Missing, 0u);
}

// The host drawing service refusing one copy of an image when told to.
class RefusingImageCopy : public pf::host::HostDrawing {
 public:
  int TransparentImage(pf::SurfaceHandle dst, int x, int y, int width, int height, pf::SurfaceHandle src,
                       int srcX, int srcY, int srcWidth, int srcHeight, pf::COLORREF transparent) override {
    if (refuseNext) {
      refuseNext = false;
      return 0;
    }
    return HostDrawing::TransparentImage(dst, x, y, width, height, src, srcX, srcY, srcWidth, srcHeight,
                                         transparent);
  }
  bool refuseNext = false;
};

// A paint that left an image out (say after a tap) is not asked for by
// anything the item shows changing; the next tick asks for it.
TEST_F(ItemRecoveryTest, AnImageWhoseCopyWasRefusedIsDrawnByThePaintTheNextTickAsksFor) {
  SetBlock(u"SysInfo", u"Visible", 1);  // four images at the top
  SetBlock(u"SysInfo", u"Order", 0);
  Create();
  RefusingImageCopy drawing;  // over the images the item loaded
  pf::SetDrawing(&drawing);
  const std::size_t images = Of(Paint(), DrawKind::TransparentImage).size();
  EXPECT_GT(images, 0u);
  windows.ClearInvalidations();
  drawing.refuseNext = true;
  EXPECT_EQ(Of(Paint(), DrawKind::TransparentImage).size(), images - 1);
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 1);
  EXPECT_EQ(Of(Paint(), DrawKind::TransparentImage).size(), images);
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 1) << "asked for once";
  pf::SetDrawing(nullptr);
}

// Icons and images whose files are missing are not asked for again: an
// idle tick stays an idle tick.
TEST_F(ItemRecoveryTest, MissingFilesAreNotFetchedAgainAtEachTick) {
  Remove("Apps/app3.exe");
  Remove("Windows/alarm96.png");
  Create();
  EXPECT_EQ(Item().Missing, 0u);
  windows.ClearInvalidations();
  Send(pf::WM_TIMER, kRefreshTimer);
  EXPECT_EQ(Repaints(), 0);
}

}  // namespace
}  // namespace ostrel::testing
