#include "SmoothBitmap.h"

#include <algorithm>
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

HBITMAP ScaleSmoothly(HBITMAP source, int width, int height)
{
    BITMAP shape = {};
    if (source == nullptr || width <= 0 || height <= 0 ||
        GetObjectA(source, sizeof shape, &shape) == 0)
        return nullptr;
    int sourceWidth = shape.bmWidth;
    int sourceHeight = std::abs(shape.bmHeight);

    BITMAPINFO sourceInfo = TopDownInfo(sourceWidth, sourceHeight);
    std::vector<BYTE> bytes(static_cast<size_t>(Stride(sourceWidth)) * sourceHeight);
    HDC screen = GetDC(nullptr);
    int rows = GetDIBits(screen, source, 0, sourceHeight, bytes.data(), &sourceInfo,
                         DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != sourceHeight)
        return nullptr;

    std::vector<double> pixels(static_cast<size_t>(sourceWidth) * sourceHeight * kChannels);
    for (int y = 0; y < sourceHeight; ++y)
        for (int i = 0; i < sourceWidth * kChannels; ++i)
            pixels[static_cast<size_t>(y) * sourceWidth * kChannels + i] =
                bytes[static_cast<size_t>(y) * Stride(sourceWidth) + i];
    std::vector<double> scaled = Resample(pixels, sourceWidth, sourceHeight, width, height);

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
