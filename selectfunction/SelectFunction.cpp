#include <windows.h>

#include <string>

#include "MissingFileMessage.h"
#include "MultibyteText.h"
#include "OptionalText.h"
#include "ResourceLibrary.h"
#include "ResourcePaths.h"
#include "SelectFunctionManager.h"
#include "SelectFunctionPage.h"
#include "SheetLibraries.h"
#include "SheetTitle.h"

namespace {

const size_t kLanguageCodeLength = 3;
const int kInitialWizardButtons = PSWIZB_BACK | PSWIZB_FINISH;

void WriteAnswer(int* answer, bool ticked)
{
    if (answer != nullptr)
        *answer = ticked ? 1 : 0;
}

}  // namespace

// Asks which of the country code, the time and the message download to set up. The answers
// (1 ticked, 0 not) are written only when the wizard ran without a resource problem.
extern "C" int WINAPI SelectFunction(const char* language, int* first, int* second, int* third)
{
    std::string code = CutAtCharacter(TextOrEmpty(language), kLanguageCodeLength);
    std::string path = FaxTextLibraryPath(code);
    if (!CResourceLibrary(path.c_str()).IsLoaded()) {
        ShowMissingFile();
        return 0;
    }

    SheetLibraries libraries(path);
    if (!libraries.IsLoaded()) {
        ShowMissingFile();
        return 0;
    }
    const CResourceLibrary& texts = libraries.Texts();

    SelectFunctionManager sheet(LoadSheetTitle(texts).c_str(), code);
    SelectFunctionPage page(code, kInitialWizardButtons);
    sheet.AddPage(&page);
    INT_PTR ending = sheet.RunWizard();
    if (sheet.GetResult() == 0 && (ending == ID_WIZFINISH || ending == IDCANCEL)) {
        bool finished = ending == ID_WIZFINISH;
        WriteAnswer(first, finished && page.IsFirstTicked());
        WriteAnswer(second, finished && page.IsSecondTicked());
        WriteAnswer(third, finished && page.IsThirdTicked());
    }
    return sheet.GetResult();
}
