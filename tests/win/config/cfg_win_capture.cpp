// Test support: the settings program as it is on the screen (its window and soft-key bar), grabbed after its pending paints and written as PNG with WIC.
#include "tests/win/config/cfg_win_support.h"

#include <wincodec.h>

namespace ostrel::cfgtest {

namespace {

RECT Union(const RECT& a, const RECT& b) {
  return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
              std::max(a.bottom, b.bottom)};
}

// Everything shown is repainted, and the program has nothing left to do.
void SettleWindow(HWND window) {
  if (window == nullptr) return;
  ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  DWORD_PTR ignored = 0;
  ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 3000, &ignored);
}

Picture GrabScreen(const RECT& area) {
  Picture picture;
  picture.left = area.left;
  picture.top = area.top;
  picture.width = area.right - area.left;
  picture.height = area.bottom - area.top;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.width;
  info.bmiHeader.biHeight = -picture.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = ::SelectObject(memory, bitmap);
  ::BitBlt(memory, 0, 0, picture.width, picture.height, screen, area.left, area.top, SRCCOPY);
  ::GdiFlush();
  const auto* bgra = static_cast<const std::uint8_t*>(bits);
  picture.pixels.resize(static_cast<std::size_t>(picture.width) * picture.height);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    picture.pixels[i] = RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]);
  }
  ::SelectObject(memory, old);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  return picture;
}

template <typename T>
void Release(T*& p) {
  if (p != nullptr) p->Release();
  p = nullptr;
}

}  // namespace

int Picture::Count(const RECT& r, COLORREF color) const {
  int n = 0;
  for (int y = std::max(0L, r.top); y < std::min<LONG>(height, r.bottom); ++y) {
    for (int x = std::max(0L, r.left); x < std::min<LONG>(width, r.right); ++x) {
      if (At(x, y) == color) ++n;
    }
  }
  return n;
}

bool SavePng(const Picture& picture, const std::wstring& path) {
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  std::vector<BYTE> rows(static_cast<std::size_t>(picture.width) * picture.height * 3);
  for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
    rows[3 * i] = GetBValue(picture.pixels[i]);
    rows[3 * i + 1] = GetGValue(picture.pixels[i]);
    rows[3 * i + 2] = GetRValue(picture.pixels[i]);
  }
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  HRESULT hr = ::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_PPV_ARGS(&factory));
  if (SUCCEEDED(hr)) hr = factory->CreateStream(&stream);
  if (SUCCEEDED(hr)) hr = stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE);
  if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
  if (SUCCEEDED(hr)) hr = encoder->Initialize(stream, WICBitmapEncoderNoCache);
  if (SUCCEEDED(hr)) hr = encoder->CreateNewFrame(&frame, nullptr);
  if (SUCCEEDED(hr)) hr = frame->Initialize(nullptr);
  if (SUCCEEDED(hr)) hr = frame->SetSize(picture.width, picture.height);
  if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
  if (SUCCEEDED(hr) && format != GUID_WICPixelFormat24bppBGR) hr = E_FAIL;
  if (SUCCEEDED(hr)) {
    hr = frame->WritePixels(picture.height, picture.width * 3, static_cast<UINT>(rows.size()),
                            rows.data());
  }
  if (SUCCEEDED(hr)) hr = frame->Commit();
  if (SUCCEEDED(hr)) hr = encoder->Commit();
  Release(frame);
  Release(encoder);
  Release(stream);
  Release(factory);
  return SUCCEEDED(hr);
}

Picture SettingsWindow::Grab(const std::wstring& name) {
  HWND bar = Bar();
  SettleWindow(main_);
  SettleWindow(bar);
  // The paints run when the program is idle; the desktop then shows them.
  ::WaitForInputIdle(process_, 3000);
  ::Sleep(300);
  RECT area{};
  ::GetWindowRect(main_, &area);
  if (bar != nullptr) {
    RECT barArea{};
    ::GetWindowRect(bar, &barArea);
    area = Union(area, barArea);
  }
  Picture picture = GrabScreen(area);
  if (!name.empty()) {
    const std::wstring path = Paths().output + name + L".png";
    EXPECT_TRUE(SavePng(picture, path)) << "could not write " << Utf8(path);
  }
  return picture;
}

RECT SettingsWindow::InPicture(const Picture& picture, const RECT& client) const {
  POINT origin{0, 0};
  ::ClientToScreen(main_, &origin);
  const LONG dx = origin.x - picture.left;
  const LONG dy = origin.y - picture.top;
  return RECT{client.left + dx, client.top + dy, client.right + dx, client.bottom + dy};
}

}  // namespace ostrel::cfgtest
