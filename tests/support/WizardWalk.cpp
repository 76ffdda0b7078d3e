#include "WizardWalk.h"

#include <gtest/gtest.h>

#include "WaitFor.h"

void WalkToTheEnd(WizardDriver& wizard)
{
    for (int page = 0; page < 10; ++page) {
        int index = wizard.ActiveIndex();
        // A page posts its buttons as it becomes active: until the sheet has handled that, the
        // buttons read are still the last page's, and Next may yet give way to Finish.
        bool pressed = false;
        ASSERT_TRUE(WaitFor([&] {
            return wizard.Button(kFinishButton).visible || (pressed = wizard.Press(kNextButton));
        }, 3000)) << "page " << index;
        if (!pressed)
            break;
        ASSERT_TRUE(WaitFor([&] { return wizard.ActiveIndex() != index; })) << "page " << index;
    }
    ASSERT_TRUE(wizard.WaitForButtonEnabled(kFinishButton, true, 3000));
    ASSERT_TRUE(wizard.Press(kFinishButton));
}
