#include "win32/image_decoder.h"

#include "win32/com.h"

using Microsoft::WRL::ComPtr;

namespace win32 {

IWICImagingFactory* ImageDecoder::factory()
{
    if (!factory_) {
        // The imaging component is COM; the first picture may be drawn before
        // anything else has started COM on this thread.
        if (com::ensureStarted()) com::createInstance(CLSID_WICImagingFactory, IID_PPV_ARGS(&factory_));
    }
    return factory_.Get();
}

HBITMAP ImageDecoder::decode(const void* data, std::size_t size, SIZE into)
{
    IWICImagingFactory* wic = factory();
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    ComPtr<IWICFormatConverter> converter;
    // The stream only reads: the resource's memory stays as it is.
    if (!wic || FAILED(wic->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(static_cast<BYTE*>(const_cast<void*>(data)), static_cast<DWORD>(size))) ||
        FAILED(wic->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(wic->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr,
                                     0.0, WICBitmapPaletteTypeCustom))) {
        return nullptr;
    }
    ComPtr<IWICBitmapSource> source = converter;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(converter->GetSize(&width, &height))) return nullptr;
    if (width != static_cast<UINT>(into.cx) || height != static_cast<UINT>(into.cy)) {
        // Scaled after the conversion, so that the filter mixes colours
        // rather than palette indices.
        ComPtr<IWICBitmapScaler> scaler;
        if (FAILED(wic->CreateBitmapScaler(&scaler)) ||
            FAILED(scaler->Initialize(converter.Get(), into.cx, into.cy, WICBitmapInterpolationModeFant))) {
            return nullptr;
        }
        source = scaler;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = into.cx;
    info.bmiHeader.biHeight = -into.cy;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    const UINT stride = static_cast<UINT>(into.cx) * 4;
    if (FAILED(source->CopyPixels(nullptr, stride, stride * static_cast<UINT>(into.cy), static_cast<BYTE*>(bits)))) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

}  // namespace win32
