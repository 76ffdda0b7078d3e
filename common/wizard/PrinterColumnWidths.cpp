#include "PrinterColumnWidths.h"

namespace {

const int kNameMinimum = 150;
const int kPortMinimum = 90;
const int kCommentThreshold = kNameMinimum + kPortMinimum;

// In integers, so that 35 % of 600 is 210 and not a hair below it.
int Percent(int value, int percent) { return value * percent / 100; }

int AtLeast(int value, int minimum) { return value < minimum ? minimum : value; }

}  // namespace

PrinterColumnWidths ComputePrinterColumnWidths(int w)
{
    PrinterColumnWidths widths = {};
    widths.name = w < kNameMinimum ? w : AtLeast(Percent(w, 35), kNameMinimum);
    if (w < kNameMinimum)
        widths.port = 0;
    else if (w < kCommentThreshold)
        widths.port = w - kNameMinimum;
    else
        widths.port = AtLeast(Percent(w, 20), kPortMinimum);
    widths.comment = w < kCommentThreshold ? 0 : (w - widths.port - widths.name) / 2;
    widths.location = w - widths.comment - widths.port - widths.name;
    return widths;
}
