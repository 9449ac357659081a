// Decoding and encoding through the Windows Imaging Component. Decoded
// images are converted by the component to 32-bit blue, green, red, alpha
// and packed row by row into the 16-bit surface; pictures are handed to the
// JPEG encoder as 24-bit rows, which any picture depth converts to.
#include "runtime/graphics/image_codecs_win32.h"

#include "runtime/graphics/decoded_pixels.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <climits>

namespace zrt {
namespace {

// One reference to a COM object, released when it goes.
template <typename Interface>
class ComRef {
 public:
  ComRef() = default;
  ComRef(const ComRef&) = delete;
  ComRef& operator=(const ComRef&) = delete;
  ~ComRef() {
    if (m_object != nullptr) m_object->Release();
  }
  // Where a call that makes the object puts it.
  Interface** out() { return &m_object; }
  Interface* get() const { return m_object; }
  Interface* operator->() const { return m_object; }

 private:
  Interface* m_object = nullptr;
};

// COM for the program's one thread, started at the first use and kept. A
// thread whose COM is already started, in either model, is ready as it is.
bool com_started() {
  static const bool started = [] {
    const HRESULT result = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
  }();
  return started;
}

bool make_factory(ComRef<IWICImagingFactory>& factory) {
  return com_started() && SUCCEEDED(::CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                                       IID_IWICImagingFactory, reinterpret_cast<void**>(factory.out())));
}

// The component takes file names in UTF-16 only; paths are ANSI.
std::wstring wide_path(const std::string& path) {
  const int length = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
  if (length <= 1) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
  wide.resize(static_cast<std::size_t>(length - 1));
  return wide;
}

// The bytes written into a memory stream.
std::vector<std::uint8_t> bytes_of(IStream* stream) {
  STATSTG status{};
  HGLOBAL memory = nullptr;
  if (FAILED(stream->Stat(&status, STATFLAG_NONAME)) || status.cbSize.QuadPart == 0 ||
      FAILED(::GetHGlobalFromStream(stream, &memory)))
    return {};
  const auto* first = static_cast<const std::uint8_t*>(::GlobalLock(memory));
  if (first == nullptr) return {};
  std::vector<std::uint8_t> bytes(first, first + status.cbSize.QuadPart);
  ::GlobalUnlock(memory);
  return bytes;
}

}  // namespace

std::unique_ptr<BitmapSurface> decode_image_file(const std::string& path) {
  const std::wstring wide = wide_path(path);
  ComRef<IWICImagingFactory> factory;
  ComRef<IWICBitmapDecoder> decoder;
  ComRef<IWICBitmapFrameDecode> frame;
  ComRef<IWICFormatConverter> converter;
  UINT width = 0;
  UINT height = 0;
  const bool opened =
      !wide.empty() && make_factory(factory) &&
      SUCCEEDED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                   decoder.out())) &&
      SUCCEEDED(decoder->GetFrame(0, frame.out())) && SUCCEEDED(factory->CreateFormatConverter(converter.out())) &&
      SUCCEEDED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                      WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(converter->GetSize(&width, &height));
  if (!opened || width == 0 || height == 0 || width > INT32_MAX / 4 || height > INT32_MAX) return nullptr;

  auto surface = std::make_unique<BitmapSurface>(static_cast<std::int32_t>(width), static_cast<std::int32_t>(height), 16);
  const std::span<std::uint8_t> pixels = surface->pixels_for_writing();
  if (pixels.empty()) return nullptr;
  const auto row_length = static_cast<std::size_t>(surface->row_length());
  std::vector<std::uint8_t> row(std::size_t{width} * 4);
  for (UINT y = 0; y < height; ++y) {
    const WICRect line{0, static_cast<INT>(y), static_cast<INT>(width), 1};
    if (FAILED(converter->CopyPixels(&line, width * 4, static_cast<UINT>(row.size()), row.data()))) return nullptr;
    pack_over_white_555(row, pixels.subspan(y * row_length, row_length));
  }
  surface->pixels_changed();
  return surface;
}

std::vector<std::uint8_t> encode_jpeg(BitmapSurface& surface) {
  std::vector<std::uint8_t> rows = surface.rows_at_24_bits();
  if (rows.empty()) return {};
  const auto width = static_cast<UINT>(surface.width());
  const auto height = static_cast<UINT>(surface.height());
  ComRef<IWICImagingFactory> factory;
  ComRef<IStream> stream;
  ComRef<IWICBitmapEncoder> encoder;
  ComRef<IWICBitmapFrameEncode> frame;
  ComRef<IPropertyBag2> options;
  // The encoder may answer with another format than the one asked for.
  WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
  const bool encoded =
      make_factory(factory) && SUCCEEDED(::CreateStreamOnHGlobal(nullptr, TRUE, stream.out())) &&
      SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatJpeg, nullptr, encoder.out())) &&
      SUCCEEDED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)) &&
      SUCCEEDED(encoder->CreateNewFrame(frame.out(), options.out())) && SUCCEEDED(frame->Initialize(options.get())) &&
      SUCCEEDED(frame->SetSize(width, height)) && SUCCEEDED(frame->SetPixelFormat(&format)) &&
      ::IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
      SUCCEEDED(frame->WritePixels(height, static_cast<UINT>(rows.size() / height), static_cast<UINT>(rows.size()),
                                   rows.data())) &&
      SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
  return encoded ? bytes_of(stream.get()) : std::vector<std::uint8_t>{};
}

}  // namespace zrt
