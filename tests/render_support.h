// Test support for the block renderers: an item window of known size, the plug-in's records at their defaults, and one render per call with its drawing record.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/controls.h"
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
using Renderer = void (*)(pf::WindowHandle, pf::SurfaceHandle, int, int);

// The state images that come with the plug-in.
inline const char16_t* ImageFolder() { return u"" OSTREL_SOURCE_DIR "/res/images/"; }

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
    ReleaseStateImages();
    if (!pf::IsNull(window)) pf::DestroyWindow(window);
    pf::SetControls(nullptr);
    pf::SetClock(nullptr);
    DrawTest::TearDown();
  }

  // The default settings at a density, an item window width pixels wide, and
  // every block's band as tall as its Height setting.
  void Defaults(int dpi, int width = 240) {
    pf::host::HostScreen().SetScreenDpi(dpi, dpi);
    Settings& settings = PluginSettings();
    settings = Settings{};
    ResetToDefaults(settings);
    SetPixelHeight(Wireless, settings.WirelessSettings.Height);
    SetPixelHeight(Time, settings.TimeSettings.Height);
    SetPixelHeight(Date, settings.DateSettings.Height);
    SetPixelHeight(Calendar, settings.CalendarSettings.Height);
    SetPixelHeight(SysInfo, settings.SysInfoSettings.Height);
    if (!pf::IsNull(window)) pf::DestroyWindow(window);
    window = pf::CreateWindowExW(0, pf::WC_STATIC, u"", 0, 0, 0, width, 400, pf::WindowHandle{},
                                 0, pf::ModuleHandle{}, nullptr);
    ASSERT_FALSE(pf::IsNull(window));
  }
  static void SetPixelHeight(std::int32_t kind, int height) {
    PluginSettings().BlockTable[FindEntryOfKind(kind)].PixelHeight = height;
  }
  static void SetVisible(std::int32_t kind, int visible) {
    PluginSettings().BlockTable[FindEntryOfKind(kind)].Visible = visible;
  }

  // Runs a renderer on a fresh surface; every drawing object it made must be
  // gone and the surface's own font selected again afterwards.
  std::vector<DrawRecord> Render(Renderer renderer, int dx = 0, int y = 0) {
    dc = Surface(240, 400);
    pf::LOGFONTW marker;
    marker.lfHeight = -7;
    pf::FontHandle markerFont = pf::CreateFontIndirectW(&marker);
    pf::FontHandle own = pf::SelectObject(dc, markerFont);
    const int before = pf::LiveDrawingObjects();
    renderer(window, dc, dx, y);
    EXPECT_EQ(pf::LiveDrawingObjects(), before) << "the renderer leaked a drawing object";
    EXPECT_EQ(pf::SelectObject(dc, own), markerFont) << "the surface's own font was not selected again";
    pf::DeleteObject(markerFont);
    return pf::host::DrawLog();
  }

  // The text calls and image copies of a record.
  static std::vector<DrawRecord> Texts(const std::vector<DrawRecord>& log) {
    return Of(log, DrawKind::DrawText);
  }
  static std::vector<DrawRecord> Images(const std::vector<DrawRecord>& log) {
    return Of(log, DrawKind::TransparentImage);
  }
  static std::vector<DrawRecord> Of(const std::vector<DrawRecord>& log, DrawKind kind) {
    std::vector<DrawRecord> out;
    for (const DrawRecord& r : log) {
      if (r.kind == kind) out.push_back(r);
    }
    return out;
  }
  // The one text call that drew text; fails the test when there is none.
  static DrawRecord TextCall(const std::vector<DrawRecord>& log, const std::u16string& text) {
    for (const DrawRecord& r : Texts(log)) {
      if (r.text == text) return r;
    }
    ADD_FAILURE() << "no text call for " << pf::ToUtf8(text);
    return DrawRecord{};
  }
  static bool Drew(const std::vector<DrawRecord>& log, const std::u16string& text) {
    for (const DrawRecord& r : Texts(log)) {
      if (r.text == text) return true;
    }
    return false;
  }

  // The size of a text in a spec's font, as the platform measures it.
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

  static constexpr std::uint32_t kLine = pf::DT_SINGLELINE | pf::DT_TOP | pf::DT_NOCLIP;

  pf::host::HostControls controls;
  pf::host::HostClock clock;
  pf::WindowHandle window{};
  pf::SurfaceHandle dc{};
};

}  // namespace ostrel::testing
