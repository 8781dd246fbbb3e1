// The Win32 files layer's shell icons: counted with the drawing objects, and never more held than a process may hold, so that painting keeps working.
#include "tests/win/win_test_support.h"

#include <vector>

#include "platform/draw.h"
#include "platform/files.h"
#include "platform/gdi.h"

namespace ostrel::wintest {
namespace {

constexpr int kIconQuota = 10000;  // user objects a process may hold by default

pf::IconHandle FetchIcon(const char16_t* path) {
  pf::SHFILEINFOW info;
  // The flags by <shellapi.h>'s macros, which hide our constants of the same values.
  pf::SHGetFileInfoW(path, 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON);
  return info.hIcon;
}

// A surface and a bitmap of a screen's size, made and deleted as a paint does.
bool PaintSurfaceCanBeMade() {
  const pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
  const pf::SurfaceHandle frame = pf::CreateCompatibleDC(screen);
  const pf::BitmapHandle bitmap = pf::CreateCompatibleBitmap(screen, 480, 640);
  const bool made = !pf::IsNull(frame) && !pf::IsNull(bitmap);
  if (!pf::IsNull(bitmap)) pf::DeleteObject(bitmap);
  if (!pf::IsNull(frame)) pf::DeleteDC(frame);
  pf::ReleaseDC(pf::WindowHandle{}, screen);
  return made;
}

TEST(Win32Files, ShellIconsStopAtTheProcessQuotaAndPaintingGoesOn) {
  const char16_t* program = u"C:\\windows\\notepad.exe";
  const int before = pf::LiveDrawingObjectCounts().icons;
  std::vector<pf::IconHandle> icons;
  for (int i = 0; i < kIconQuota + 10; ++i) {
    const pf::IconHandle icon = FetchIcon(program);
    if (pf::IsNull(icon)) break;
    icons.push_back(icon);
  }
  EXPECT_EQ(static_cast<int>(icons.size()) + before, kIconQuota);
  EXPECT_EQ(pf::LiveDrawingObjectCounts().icons, kIconQuota);
  EXPECT_TRUE(PaintSurfaceCanBeMade());
  pf::SHFILEINFOW info;
  info.iIcon = 7;
  EXPECT_EQ(pf::SHGetFileInfoW(program, 0, &info, sizeof(info), SHGFI_ICON), 0u);
  EXPECT_TRUE(pf::IsNull(info.hIcon));
  EXPECT_EQ(info.iIcon, 0) << "a refused fetch fills nothing in";

  ASSERT_FALSE(icons.empty());
  pf::DestroyIcon(icons.back());
  icons.back() = FetchIcon(program);
  EXPECT_FALSE(pf::IsNull(icons.back())) << "a destroyed icon makes room for one more";
  for (pf::IconHandle icon : icons) pf::DestroyIcon(icon);
  EXPECT_EQ(pf::LiveDrawingObjectCounts().icons, before);
}

}  // namespace
}  // namespace ostrel::wintest
