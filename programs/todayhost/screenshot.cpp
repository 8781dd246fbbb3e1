// A picture of the host window with its items, written as PNG through WIC.
#include "programs/todayhost/todayhost.h"

#include <wincodec.h>

namespace todayhost {

namespace {

// Paints the host's background and every item into a memory surface; each
// item paints itself through WM_PRINTCLIENT at its place.
void Compose(Host& host, HDC dc, const RECT& client) {
  DrawBackground(dc, client, POINT{0, 0}, host);
  DrawHeader(dc, host);
  for (const Item& item : host.items) {
    RECT r;
    GetWindowRect(item.window, &r);
    MapWindowPoints(HWND_DESKTOP, host.window, reinterpret_cast<POINT*>(&r), 2);
    POINT old;
    SetViewportOrgEx(dc, r.left, r.top, &old);
    SendMessageW(item.window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
  }
}

bool EncodePng(const std::wstring& path, const BYTE* pixels, UINT width, UINT height) {
  IWICImagingFactory* factory = nullptr;
  IWICStream* stream = nullptr;
  IWICBitmapEncoder* encoder = nullptr;
  IWICBitmapFrameEncode* frame = nullptr;
  bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&factory)));
  ok = ok && SUCCEEDED(factory->CreateStream(&stream));
  ok = ok && SUCCEEDED(stream->InitializeFromFilename(path.c_str(), GENERIC_WRITE));
  ok = ok && SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder));
  ok = ok && SUCCEEDED(encoder->Initialize(stream, WICBitmapEncoderNoCache));
  ok = ok && SUCCEEDED(encoder->CreateNewFrame(&frame, nullptr));
  ok = ok && SUCCEEDED(frame->Initialize(nullptr));
  ok = ok && SUCCEEDED(frame->SetSize(width, height));
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGR;
  ok = ok && SUCCEEDED(frame->SetPixelFormat(&format));
  ok = ok && IsEqualGUID(format, GUID_WICPixelFormat32bppBGR);
  ok = ok && SUCCEEDED(frame->WritePixels(height, width * 4, width * height * 4, const_cast<BYTE*>(pixels)));
  ok = ok && SUCCEEDED(frame->Commit());
  ok = ok && SUCCEEDED(encoder->Commit());
  if (frame) frame->Release();
  if (encoder) encoder->Release();
  if (stream) stream->Release();
  if (factory) factory->Release();
  return ok;
}

}  // namespace

bool SaveScreenshot(Host& host, const std::wstring& path) {
  RECT client;
  GetClientRect(host.window, &client);
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (width <= 0 || height <= 0) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(host.window);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  ReleaseDC(host.window, screen);
  bool ok = false;
  if (dc != nullptr && bitmap != nullptr) {
    HGDIOBJ old = SelectObject(dc, bitmap);
    Compose(host, dc, client);
    GdiFlush();
    ok = EncodePng(path, static_cast<const BYTE*>(bits), static_cast<UINT>(width), static_cast<UINT>(height));
    SelectObject(dc, old);
  }
  if (bitmap != nullptr) DeleteObject(bitmap);
  if (dc != nullptr) DeleteDC(dc);
  return ok;
}

}  // namespace todayhost
