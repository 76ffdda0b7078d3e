// Shows the function chooser of the install folder this program sits in, ticks the first box so
// that the enabled Finish button shows, saves the sheet as a BMP file and cancels the chooser.
//   CaptureChooser.exe <language code> <output.bmp>
#include <windows.h>

#include <cstdio>

#include "LibraryExports.h"
#include "ModalRun.h"
#include "ResourceIds.h"
#include "WindowImage.h"
#include "WizardDriver.h"

namespace {

const DWORD kAppearTimeoutMs = 20000;
const DWORD kSettleTimeoutMs = 5000;

int Fail(const char* message)
{
    std::fprintf(stderr, "CaptureChooser: %s\n", message);
    return 1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3)
        return Fail("usage: CaptureChooser.exe <language code> <output.bmp>");

    SelectFunctionExport selectFunction = LoadSelectFunctionExport();
    if (selectFunction == nullptr)
        return Fail("no Carvesh.dll with SelectFunction in this program's folder");

    int result = -1;
    int answers[3] = {};
    ModalRun run([&] { result = selectFunction(argv[1], &answers[0], &answers[1], &answers[2]); });
    HWND sheet = WaitForWizard(GetCurrentProcessId(), kAppearTimeoutMs);
    if (sheet == nullptr)
        return Fail("no chooser appeared");
    WizardDriver chooser(sheet);
    if (!chooser.SetChecked(IDC_COUNTRY_CODE_BOX, true) ||
        !chooser.WaitForButtonEnabled(kFinishButton, true, kSettleTimeoutMs))
        return Fail("ticking a box did not enable Finish");

    CWindowImage image;
    if (!CaptureSettled(sheet, image, kSettleTimeoutMs))
        return Fail("the chooser did not settle for a capture");
    if (!image.SaveBmp(argv[2]))
        return Fail("cannot write the bitmap");

    if (!chooser.Press(kCancelButton) || !run.WaitForEnd(kAppearTimeoutMs))
        return Fail("the chooser did not close on Cancel");
    std::printf("SelectFunction(%s) returned %d with %d %d %d\n", argv[1], result, answers[0],
                answers[1], answers[2]);
    return 0;
}
