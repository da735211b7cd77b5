#include "controls/picture_resource.h"

#include <wincodec.h>

#include <cstring>

namespace velmora::win32 {
namespace {

// Releases a COM interface when it goes out of scope.
template <typename T>
struct Com {
  T* p = nullptr;
  ~Com() {
    if (p) p->Release();
  }
  T** operator&() { return &p; }
  T* operator->() const { return p; }
};

constexpr BYTE kPngSignature[] = {0x89, 'P', 'N', 'G'};
constexpr DWORD kRawHeaderSize = 8;

HBITMAP CreatePicture(UINT width, UINT height, void** pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, pixels, nullptr, 0);
}

// The raw pixels are, byte for byte, the rows of a 32-bit top-down bitmap.
HBITMAP DecodeRaw(const BYTE* bytes, DWORD size) {
  if (size < kRawHeaderSize) return nullptr;
  UINT width = 0;
  UINT height = 0;
  std::memcpy(&width, bytes, 4);
  std::memcpy(&height, bytes + 4, 4);
  const unsigned long long pixelBytes = 4ULL * width * height;
  if (width == 0 || height == 0 || size != kRawHeaderSize + pixelBytes) return nullptr;
  void* pixels = nullptr;
  HBITMAP bitmap = CreatePicture(width, height, &pixels);
  if (bitmap) std::memcpy(pixels, bytes + kRawHeaderSize, static_cast<std::size_t>(pixelBytes));
  return bitmap;
}

HBITMAP DecodePng(const BYTE* bytes, DWORD size) {
  HGLOBAL copy = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!copy) return nullptr;
  std::memcpy(GlobalLock(copy), bytes, size);
  GlobalUnlock(copy);
  Com<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(copy, TRUE, &stream))) {
    GlobalFree(copy);
    return nullptr;
  }
  Com<IWICImagingFactory> factory;
  Com<IWICBitmapDecoder> decoder;
  Com<IWICBitmapFrameDecode> frame;
  Com<IWICFormatConverter> converter;
  if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
      FAILED(factory->CreateDecoderFromStream(stream.p, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return nullptr;
  }
  UINT width = 0;
  UINT height = 0;
  converter->GetSize(&width, &height);
  void* pixels = nullptr;
  HBITMAP bitmap = CreatePicture(width, height, &pixels);
  if (!bitmap) return nullptr;
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(pixels)))) {
    DeleteObject(bitmap);
    return nullptr;
  }
  return bitmap;
}

}  // namespace

HBITMAP LoadPictureResource(int id) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return nullptr;
  const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(instance, found)));
  const DWORD size = SizeofResource(instance, found);
  const bool png = size >= sizeof kPngSignature && std::memcmp(bytes, kPngSignature, sizeof kPngSignature) == 0;
  return png ? DecodePng(bytes, size) : DecodeRaw(bytes, size);
}

}  // namespace velmora::win32
