#include "WindowImage.h"

#include <cstdio>
#include <cstring>

#include "PostedMessages.h"
#include "WaitFor.h"

namespace {

BITMAPINFOHEADER ImageHeader(int width, int height)
{
    BITMAPINFOHEADER header = {};
    header.biSize = sizeof header;
    header.biWidth = width;
    header.biHeight = height;  // positive: bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    return header;
}

}  // namespace

bool CWindowImage::Capture(HWND hWnd)
{
    RECT rect;
    if (!GetWindowRect(hWnd, &rect))
        return false;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0)
        return false;

    // Under Wine the window DC reads the window's own surface: windows in front of it do not show.
    HDC hWindowDC = GetWindowDC(hWnd);
    if (!hWindowDC)
        return false;
    HDC hMemoryDC = CreateCompatibleDC(hWindowDC);
    BITMAPINFO info = {};
    info.bmiHeader = ImageHeader(width, height);
    void* pBits = nullptr;
    HBITMAP hBitmap = CreateDIBSection(hWindowDC, &info, DIB_RGB_COLORS, &pBits, nullptr, 0);
    bool bDone = false;
    if (hMemoryDC && hBitmap) {
        HGDIOBJ hOld = SelectObject(hMemoryDC, hBitmap);
        bDone = BitBlt(hMemoryDC, 0, 0, width, height, hWindowDC, 0, 0, SRCCOPY) != FALSE;
        GdiFlush();
        if (bDone) {
            const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t(3);
            const BYTE* pFirst = static_cast<const BYTE*>(pBits);
            m_bits.assign(pFirst, pFirst + stride * height);
            m_nWidth = width;
            m_nHeight = height;
        }
        SelectObject(hMemoryDC, hOld);
    }
    if (hBitmap)
        DeleteObject(hBitmap);
    if (hMemoryDC)
        DeleteDC(hMemoryDC);
    ReleaseDC(hWnd, hWindowDC);
    return bDone;
}

bool CWindowImage::SaveBmp(const char* path) const
{
    if (m_bits.empty())
        return false;
    const BITMAPINFOHEADER header = ImageHeader(m_nWidth, m_nHeight);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(m_bits.size());

    FILE* pFile = std::fopen(path, "wb");
    if (!pFile)
        return false;
    bool bWritten = std::fwrite(&file, sizeof file, 1, pFile) == 1
                    && std::fwrite(&header, sizeof header, 1, pFile) == 1
                    && std::fwrite(m_bits.data(), m_bits.size(), 1, pFile) == 1;
    return std::fclose(pFile) == 0 && bWritten;
}

bool CWindowImage::operator==(const CWindowImage& other) const
{
    return m_nWidth == other.m_nWidth && m_nHeight == other.m_nHeight && m_bits == other.m_bits;
}

bool CaptureSteady(HWND hWnd, CWindowImage& image, DWORD settleMs, DWORD timeoutMs)
{
    CWindowImage previous;
    return previous.Capture(hWnd) && WaitFor([&] {
               Sleep(settleMs);
               bool same = image.Capture(hWnd) && image == previous;
               previous = image;
               return same;
           }, timeoutMs);
}

bool CaptureSettled(HWND hWnd, CWindowImage& image, DWORD timeoutMs)
{
    // A window's thread that is busy (a page reading files as it activates) paints nothing: the
    // picture only counts once the thread is idle and a moment later it still looks the same.
    const DWORD kSettleMs = 150;
    return WaitForPostedMessagesHandled(GetWindowThreadProcessId(hWnd, nullptr), timeoutMs) &&
           CaptureSteady(hWnd, image, kSettleMs, timeoutMs);
}
