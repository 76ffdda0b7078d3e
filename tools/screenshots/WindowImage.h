#pragma once
#include <windows.h>

#include <vector>

// What a window shows, frame included, as 24-bit pixels.
class CWindowImage {
public:
    // Reads the window's pixels, even when other windows cover it.
    bool Capture(HWND hWnd);
    // Writes a bottom-up 24-bit BMP file.
    bool SaveBmp(const char* path) const;
    bool operator==(const CWindowImage& other) const;

private:
    int m_nWidth = 0;
    int m_nHeight = 0;
    std::vector<BYTE> m_bits;  // bottom-up rows, each padded to four bytes
};

// Captures the window until two captures settleMs apart agree; false when they do not within
// timeoutMs. Serves a window of any process.
bool CaptureSteady(HWND hWnd, CWindowImage& image, DWORD settleMs, DWORD timeoutMs);

// The same for a window of this process, once its thread has gone idle, so that the picture shows
// what the window was asked to paint; false when it does not settle within timeoutMs.
bool CaptureSettled(HWND hWnd, CWindowImage& image, DWORD timeoutMs);
