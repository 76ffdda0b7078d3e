#include "WizardWalk.h"

#include <gtest/gtest.h>

#include "WaitFor.h"

void WalkToTheEnd(WizardDriver& wizard)
{
    for (int page = 0; page < 10 && !wizard.Button(kFinishButton).visible; ++page) {
        int index = wizard.ActiveIndex();
        ASSERT_TRUE(wizard.WaitForButtonEnabled(kNextButton, true, 3000)) << "page " << index;
        ASSERT_TRUE(wizard.Press(kNextButton));
        ASSERT_TRUE(WaitFor([&] { return wizard.ActiveIndex() != index; })) << "page " << index;
    }
    ASSERT_TRUE(wizard.WaitForButtonEnabled(kFinishButton, true, 3000));
    ASSERT_TRUE(wizard.Press(kFinishButton));
}
