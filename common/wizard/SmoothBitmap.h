#pragma once
#include <windows.h>

// The image library's pictures are drawn for 200 % display scale.
const int kLargestPictureDpi = 192;

// A new bitmap of `width` x `height` drawn from `source`, each pixel the average of the source
// area it covers: pictures drawn for the largest display scale shrink to any smaller one without
// the jagged edges of the system's own stretching. Null when the source cannot be read or the
// size is empty; the caller owns both bitmaps.
HBITMAP ScaleSmoothly(HBITMAP source, int width, int height);

// The same for a size of another shape than the source's: the source's middle part of that shape
// fills it, so that the picture is cut at two edges instead of being distorted.
HBITMAP ScaleToFill(HBITMAP source, int width, int height);

// `image`, drawn for a display of `drawnForDpi`, at the size it has on this display: `image`
// itself when the two agree, otherwise a smoothly scaled copy, and `image` is freed.
HBITMAP ToDisplayScale(HBITMAP image, int drawnForDpi);
