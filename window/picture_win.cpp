#include "window/picture_win.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstddef>
#include <utility>

namespace zevadar::window {

using Microsoft::WRL::ComPtr;

Picture CreatePicture(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: the first row is the top one
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return {};
    // A new DIB section is zero-filled: transparent black.
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    return {std::move(bitmap), width, height, {static_cast<std::uint32_t*>(bits), count}};
}

Picture LoadPicture(HINSTANCE module, int id) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    auto* bytes = loaded ? static_cast<BYTE*>(LockResource(loaded)) : nullptr;
    if (!bytes) return {};

    // WIC reads the PNG in place from the mapped image and converts it to premultiplied BGRA,
    // the one layout AlphaBlend blends correctly.
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    UINT width = 0;
    UINT height = 0;
    const bool decoded =
        SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(bytes, SizeofResource(module, found))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream.Get(), nullptr,
                                                   WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA,
                                        WICBitmapDitherTypeNone, nullptr, 0.0,
                                        WICBitmapPaletteTypeCustom)) &&
        SUCCEEDED(converter->GetSize(&width, &height));
    if (!decoded) return {};

    Picture picture = CreatePicture(static_cast<int>(width), static_cast<int>(height));
    if (!picture.bitmap) return {};
    const UINT stride = width * 4;
    const auto buffer = static_cast<UINT>(picture.pixels.size_bytes());
    if (FAILED(converter->CopyPixels(nullptr, stride, buffer,
                                     reinterpret_cast<BYTE*>(picture.pixels.data())))) {
        return {};
    }
    return picture;
}

void DrawPicture(HDC dc, const Picture& picture, int x, int y) {
    if (!picture.bitmap) return;
    UniqueMemoryDc source(CreateCompatibleDC(dc));
    ScopedSelect select(source.get(), picture.bitmap.get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(dc, x, y, picture.width, picture.height, source.get(), 0, 0, picture.width,
               picture.height, blend);
}

UniqueIcon LoadIconSized(HINSTANCE module, int id, int size) {
    return UniqueIcon(static_cast<HICON>(
        LoadImageA(module, MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

}  // namespace zevadar::window
