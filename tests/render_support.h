// Test support for the block renderers: an item window of known size, the plug-in's records at their defaults, one render per call with its drawing record.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
#include "platform/window.h"
#include "platform/host/host_clock.h"
#include "platform/host/host_controls.h"
#include "platform/host/host_module.h"
#include "platform/host/raster_log.h"
#include "plugin/band.h"
#include "plugin/fonts.h"
#include "plugin/item_state.h"
#include "plugin/plugin_state.h"
#include "plugin/renderers.h"
#include "plugin/state_images.h"
#include "tests/draw_support.h"

namespace ostrel::testing {

using pf::host::DrawKind;
using pf::host::DrawRecord;
using Log = std::vector<DrawRecord>;
using Renderer = void (*)(const BlockPaint&, int, int);

// The state images that come with the plug-in.
inline const char16_t* ImageFolder() { return u"" OSTREL_SOURCE_DIR "/res/images/"; }

constexpr std::uint32_t kLine = pf::DT_SINGLELINE | pf::DT_TOP | pf::DT_NOCLIP;

class RenderTest : public DrawTest {
 protected:
  void SetUp() override {
    DrawTest::SetUp();
    pf::SetControls(&controls);
    pf::SetClock(&clock);
    pf::host::HostModule().SetModulePath(u"\\Windows\\ostrel.dll");
    clock.SetLocalTime(pf::SYSTEMTIME{2026, 12, 0, 6, 7, 5, 0, 0});
    Status() = StatusState{};
    Item() = ItemState{};
    Defaults(96);
  }
  void TearDown() override {
    ReleaseStateImages(Item().Images);
    pf::DestroyWindow(window);
    pf::SetControls(nullptr);
    pf::SetClock(nullptr);
    DrawTest::TearDown();
  }

  // Default settings at a density, a 240-pixel item window, and every band
  // as tall as its block's Height setting.
  void Defaults(int dpi) {
    pf::host::HostScreen().SetScreenDpi(dpi, dpi);
    Settings& s = PluginSettings();
    s = Settings{};
    ResetToDefaults(s);
    const int heights[] = {s.WirelessSettings.Height, s.TimeSettings.Height, s.DateSettings.Height,
                           s.CalendarSettings.Height, s.LauncherSettings.Height,
                           s.SysInfoSettings.Height};
    for (int kind = Wireless; kind <= SysInfo; ++kind) SetPixelHeight(kind, heights[kind - 1]);
    pf::DestroyWindow(window);
    window = pf::CreateWindowExW(0, pf::WC_STATIC, u"", 0, 0, 0, 240, 400, pf::WindowHandle{}, 0,
                                 pf::ModuleHandle{}, nullptr);
    ASSERT_FALSE(pf::IsNull(window));
  }
  // The item's records, drawn on a surface in the test's window.
  BlockPaint PaintOn(pf::SurfaceHandle surface) const {
    pf::RECT client;
    pf::GetClientRect(window, &client);
    return BlockPaint{PluginSettings(), Status(), Item(), window, surface, client};
  }
  static void SetPixelHeight(std::int32_t kind, int height) {
    Settings& settings = PluginSettings();
    settings.BlockTable[FindEntryOfKind(settings.BlockTable, kind)].PixelHeight = height;
  }

  // The state images of the item's settings, from a folder.
  static void LoadStateImages(const char16_t* folder) { ostrel::LoadStateImages(PluginSettings(), Item().Images, folder); }

  // Runs a renderer on a fresh surface: whatever it made must be gone and the
  // surface's own font selected again afterwards.
  Log Render(Renderer renderer, int dx = 0, int y = 0) {
    dc = Surface(240, 400);
    pf::LOGFONTW own;
    own.lfHeight = -7;
    pf::FontHandle ownFont = pf::CreateFontIndirectW(&own);
    pf::FontHandle stock = pf::SelectObject(dc, ownFont);
    const int before = pf::LiveDrawingObjects();
    renderer(PaintOn(dc), dx, y);
    EXPECT_EQ(pf::LiveDrawingObjects(), before) << "the renderer leaked a drawing object";
    EXPECT_EQ(pf::SelectObject(dc, stock), ownFont) << "the surface's font was not put back";
    pf::DeleteObject(ownFont);
    return pf::host::DrawLog();
  }

  static Log Of(const Log& log, DrawKind kind) {
    Log out;
    for (const DrawRecord& r : log) {
      if (r.kind == kind) out.push_back(r);
    }
    return out;
  }
  static Log Texts(const Log& log) { return Of(log, DrawKind::DrawText); }
  static Log Images(const Log& log) { return Of(log, DrawKind::TransparentImage); }
  static bool Drew(const Log& log, const std::u16string& text) {
    for (const DrawRecord& r : Texts(log)) {
      if (r.text == text) return true;
    }
    return false;
  }
  static DrawRecord TextCall(const Log& log, const std::u16string& text) {
    for (const DrawRecord& r : Texts(log)) {
      if (r.text == text) return r;
    }
    ADD_FAILURE() << "no text call for " << pf::ToUtf8(text);
    return DrawRecord{};
  }

  // A text's size in a spec's font, as the platform measures it.
  pf::SIZE Measure(const FontSpec& spec, const std::u16string& text) {
    pf::SurfaceHandle screen = pf::GetDC(pf::WindowHandle{});
    pf::FontHandle font = CreateSpecFont(screen, spec);
    pf::FontHandle old = pf::SelectObject(screen, font);
    pf::SIZE size = MeasureText(screen, text.c_str());
    pf::SelectObject(screen, old);
    pf::DeleteObject(font);
    pf::ReleaseDC(pf::WindowHandle{}, screen);
    return size;
  }

  pf::host::HostControls controls;
  pf::host::HostClock clock;
  pf::WindowHandle window{};
  pf::SurfaceHandle dc{};
};

}  // namespace ostrel::testing
