#include "SmoothBitmap.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "DisplayDpi.h"

namespace {

const int kChannels = 3;

// The part of each source cell that destination cell i covers, along one axis.
struct Span {
    int first = 0;
    std::vector<double> weights;
};

std::vector<Span> Spans(int sourceLength, int length)
{
    std::vector<Span> spans(length);
    double step = static_cast<double>(sourceLength) / length;
    for (int i = 0; i < length; ++i) {
        double from = i * step;
        double to = std::min<double>(sourceLength, from + step);
        Span& span = spans[i];
        span.first = static_cast<int>(from);
        for (int cell = span.first; cell < to; ++cell) {
            double cover = std::min<double>(to, cell + 1) - std::max<double>(from, cell);
            span.weights.push_back(cover / (to - from));
        }
    }
    return spans;
}

// Rows of `width` pixels, kChannels values each, resampled along x, then along y.
std::vector<double> Resample(const std::vector<double>& source, int sourceWidth,
                             int sourceHeight, int width, int height)
{
    std::vector<Span> across = Spans(sourceWidth, width);
    std::vector<double> narrowed(static_cast<size_t>(width) * sourceHeight * kChannels, 0.0);
    for (int y = 0; y < sourceHeight; ++y)
        for (int x = 0; x < width; ++x)
            for (size_t k = 0; k < across[x].weights.size(); ++k)
                for (int c = 0; c < kChannels; ++c)
                    narrowed[(static_cast<size_t>(y) * width + x) * kChannels + c] +=
                        across[x].weights[k] *
                        source[(static_cast<size_t>(y) * sourceWidth + across[x].first + k) *
                                   kChannels + c];

    std::vector<Span> down = Spans(sourceHeight, height);
    std::vector<double> result(static_cast<size_t>(width) * height * kChannels, 0.0);
    for (int y = 0; y < height; ++y)
        for (size_t k = 0; k < down[y].weights.size(); ++k)
            for (size_t i = 0; i < static_cast<size_t>(width) * kChannels; ++i)
                result[static_cast<size_t>(y) * width * kChannels + i] +=
                    down[y].weights[k] *
                    narrowed[(down[y].first + k) * width * kChannels + i];
    return result;
}

BITMAPINFO TopDownInfo(int width, int height)
{
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

int Stride(int width) { return (width * kChannels + 3) & ~3; }

}  // namespace

namespace {

// The source's pixels, kChannels values each, row by row from the top; empty when unreadable.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<double> values;
};

Pixels ReadPixels(HBITMAP source)
{
    Pixels pixels;
    BITMAP shape = {};
    if (source == nullptr || GetObjectA(source, sizeof shape, &shape) == 0)
        return pixels;
    int width = shape.bmWidth;
    int height = std::abs(shape.bmHeight);
    BITMAPINFO sourceInfo = TopDownInfo(width, height);
    std::vector<BYTE> bytes(static_cast<size_t>(Stride(width)) * height);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, source, 0, height, bytes.data(), &sourceInfo, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != height)
        return pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.values.resize(static_cast<size_t>(width) * height * kChannels);
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < width * kChannels; ++i)
            pixels.values[static_cast<size_t>(y) * width * kChannels + i] =
                bytes[static_cast<size_t>(y) * Stride(width) + i];
    return pixels;
}

// The middle part of `pixels` that has the shape of `width` x `height`.
Pixels CropToShape(const Pixels& pixels, int width, int height)
{
    int keptWidth = pixels.width;
    int keptHeight = pixels.height;
    if (static_cast<int64_t>(pixels.width) * height > static_cast<int64_t>(pixels.height) * width)
        keptWidth = std::max(1, MulDiv(pixels.height, width, height));
    else
        keptHeight = std::max(1, MulDiv(pixels.width, height, width));
    int left = (pixels.width - keptWidth) / 2;
    int top = (pixels.height - keptHeight) / 2;
    Pixels kept;
    kept.width = keptWidth;
    kept.height = keptHeight;
    kept.values.reserve(static_cast<size_t>(keptWidth) * keptHeight * kChannels);
    for (int y = top; y < top + keptHeight; ++y) {
        auto row = pixels.values.begin() +
                   (static_cast<ptrdiff_t>(y) * pixels.width + left) * kChannels;
        kept.values.insert(kept.values.end(), row, row + keptWidth * kChannels);
    }
    return kept;
}

HBITMAP DrawScaled(const Pixels& pixels, int width, int height)
{
    std::vector<double> scaled =
        Resample(pixels.values, pixels.width, pixels.height, width, height);
    BITMAPINFO info = TopDownInfo(width, height);
    void* bits = nullptr;
    HBITMAP result = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (result == nullptr)
        return nullptr;
    auto* out = static_cast<BYTE*>(bits);
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < width * kChannels; ++i)
            out[static_cast<size_t>(y) * Stride(width) + i] = static_cast<BYTE>(std::min(
                255.0, scaled[static_cast<size_t>(y) * width * kChannels + i] + 0.5));
    return result;
}

}  // namespace

HBITMAP ScaleSmoothly(HBITMAP source, int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    Pixels pixels = ReadPixels(source);
    return pixels.values.empty() ? nullptr : DrawScaled(pixels, width, height);
}

HBITMAP ScaleToFill(HBITMAP source, int width, int height)
{
    if (width <= 0 || height <= 0)
        return nullptr;
    Pixels pixels = ReadPixels(source);
    return pixels.values.empty() ? nullptr
                                 : DrawScaled(CropToShape(pixels, width, height), width, height);
}

HBITMAP ToDisplayScale(HBITMAP image, int drawnForDpi)
{
    BITMAP shape = {};
    int dpi = DisplayDpi();
    if (image == nullptr || dpi == drawnForDpi || GetObjectA(image, sizeof shape, &shape) == 0)
        return image;
    HBITMAP scaled = ScaleSmoothly(image, MulDiv(shape.bmWidth, dpi, drawnForDpi),
                                   MulDiv(std::abs(shape.bmHeight), dpi, drawnForDpi));
    if (scaled == nullptr)
        return image;
    DeleteObject(image);
    return scaled;
}
