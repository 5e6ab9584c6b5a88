#pragma once
// What a window shows, sampled every third pixel of its client area: enough to tell pictures
// apart, cheap enough to compare often.
#include <windows.h>

#include <vector>

namespace vorlane::testing {

inline std::vector<COLORREF> ClientPixels(HWND window, int width, int height) {
    HDC dc = GetDC(window);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; y += 3) {
        for (int x = 0; x < width; x += 3) {
            pixels.push_back(GetPixel(dc, x, y));
        }
    }
    ReleaseDC(window, dc);
    return pixels;
}

} // namespace vorlane::testing
