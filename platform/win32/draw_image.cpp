// Image calls of the drawing service: TransparentImage and SHLoadImageFile, with their desktop stand-ins.
#include "platform/win32/win32_draw.h"

#ifdef UNDER_CE
#include <aygshell.h>
#else
#include <wincodec.h>
#endif

namespace pf::win32 {

namespace {

#ifndef UNDER_CE

// Larger pictures are refused rather than allocated.
constexpr UINT kMaxImageSide = 16384;

template <typename T>
void Release(T*& object) {
  if (object != nullptr) object->Release();
  object = nullptr;
}

// COM for the decoder, balanced on the way out; a thread already in another
// apartment mode still has COM and is left as it is.
class ComScope {
 public:
  ComScope() : result_(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(result_)) ::CoUninitialize();
  }
  bool Usable() const { return SUCCEEDED(result_) || result_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT result_;
};

// A top-down 32-bit DIB section holding the decoded pixels.
HBITMAP MakeBitmap(IWICBitmapSource* source) {
  UINT width = 0;
  UINT height = 0;
  if (FAILED(source->GetSize(&width, &height)) || width == 0 || height == 0 ||
      width > kMaxImageSide || height > kMaxImageSide) {
    return nullptr;
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (bitmap == nullptr) return nullptr;
  UINT stride = width * 4;
  if (FAILED(source->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    ::DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

// PNG (or any format the codecs know) decoded with WIC into premultiplied
// 32-bit pixels, as the device's loader gives them.
HBITMAP DecodeImageFile(const wchar_t* path) {
  ComScope com;
  if (!com.Usable()) return nullptr;
  IWICImagingFactory* factory = nullptr;
  IWICBitmapDecoder* decoder = nullptr;
  IWICBitmapFrameDecode* frame = nullptr;
  IWICBitmapSource* converted = nullptr;
  HBITMAP bitmap = nullptr;
  if (SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
      SUCCEEDED(factory->CreateDecoderFromFilename(path, nullptr, GENERIC_READ,
                                                   WICDecodeMetadataCacheOnDemand, &decoder)) &&
      SUCCEEDED(decoder->GetFrame(0, &frame)) &&
      SUCCEEDED(::WICConvertBitmapSource(GUID_WICPixelFormat32bppPBGRA, frame, &converted))) {
    bitmap = MakeBitmap(converted);
  }
  Release(converted);
  Release(frame);
  Release(decoder);
  Release(factory);
  return bitmap;
}

#endif  // UNDER_CE

}  // namespace

int Win32Drawing::TransparentImage(pf::SurfaceHandle dst, int x, int y, int width, int height,
                                   pf::SurfaceHandle src, int srcX, int srcY, int srcWidth,
                                   int srcHeight, pf::COLORREF transparent) {
#ifdef UNDER_CE
  return ::TransparentImage(ToHdc(dst), x, y, width, height, ToHdc(src), srcX, srcY, srcWidth,
                            srcHeight, transparent);
#else
  return ::TransparentBlt(ToHdc(dst), x, y, width, height, ToHdc(src), srcX, srcY, srcWidth,
                          srcHeight, transparent);
#endif
}

pf::BitmapHandle Win32Drawing::SHLoadImageFile(const char16_t* path) {
  if (path == nullptr || *path == 0) return pf::BitmapHandle{};
#ifdef UNDER_CE
  HBITMAP bitmap = ::SHLoadImageFile(W(path));
#else
  HBITMAP bitmap = DecodeImageFile(W(path));
#endif
  if (bitmap != nullptr) bitmaps_.insert(bitmap);
  return FromHbitmap(bitmap);
}

}  // namespace pf::win32
