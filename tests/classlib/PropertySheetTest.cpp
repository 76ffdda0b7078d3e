#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <memory>

#include "ModalRun.h"
#include "PropertyPage.h"
#include "PropertySheet.h"
#include "WaitFor.h"
#include "WizardDriver.h"

namespace {

const int kTickBox = 100;
const DWORD kBackAndNext = PSWIZB_BACK | PSWIZB_NEXT;

// A page that counts what reached it and answers as a test sets it up.
class TestPage : public CPropertyPage {
public:
    explicit TestPage(UINT templateId, DWORD buttons = kBackAndNext)
        : CPropertyPage(templateId), m_nButtons(buttons)
    {
    }

    std::atomic<bool> m_bRefuse{false};
    std::atomic<LRESULT> m_nNextResult{0};
    std::atomic<bool> m_bAllowFinish{true};
    std::atomic<int> m_nActivations{0};
    std::atomic<int> m_nClicks{0};
    std::atomic<int> m_nTimerTicks{0};
    bool m_bTicked = false;
    UINT_PTR m_nTimerPeriod = 0;

protected:
    BOOL OnSetActive() override
    {
        ++m_nActivations;
        if (m_bRefuse)
            return FALSE;
        PostMessageA(GetParent(GetSafeHwnd()), PSM_SETWIZBUTTONS, 0, m_nButtons);
        if (m_nTimerPeriod != 0)
            SetTimer(GetSafeHwnd(), 1, m_nTimerPeriod, nullptr);
        return CPropertyPage::OnSetActive();
    }
    LRESULT OnWizardNext() override { return m_nNextResult; }
    BOOL OnWizardFinish() override { return m_bAllowFinish; }
    void DoDataExchange(CDataExchange& exchange) override { DDX_Check(exchange, kTickBox, m_bTicked); }
    void OnClicked(int controlId) override
    {
        if (controlId != kTickBox)
            return;
        UpdateData(true);
        ++m_nClicks;
    }
    void OnTimer(UINT_PTR) override { ++m_nTimerTicks; }

private:
    DWORD m_nButtons;
};

// A sheet that notes what its initialisation found after the class library's own.
class TestSheet : public CPropertySheet {
public:
    TestSheet() : CPropertySheet("Test wizard") { SetWizardMode(); }

    std::atomic<int> m_nPageActivationsAtInit{-1};
    TestPage* m_pFirstPage = nullptr;
    // The direction of travel, which the Next and Back handlers of a real wizard keep.
    std::atomic<bool> m_bForward{true};

protected:
    BOOL OnInitDialog() override
    {
        BOOL result = CPropertySheet::OnInitDialog();
        m_nPageActivationsAtInit = m_pFirstPage->m_nActivations.load();
        return result;
    }
};

// Skips itself, when told to, as the product's pages do: from the sheet's active index and page
// count, turning the direction of travel at either end of the sheet.
class SkippingPage : public TestPage {
public:
    using TestPage::TestPage;

    std::atomic<bool> m_bSkip{false};
    std::atomic<int> m_nIndexSeen{-1};

protected:
    BOOL OnSetActive() override
    {
        if (!m_bSkip)
            return TestPage::OnSetActive();
        ++m_nActivations;
        auto* sheet = static_cast<TestSheet*>(GetSheet());
        int active = sheet->GetActiveIndex();
        int last = sheet->GetPageCount() - 1;
        m_nIndexSeen = active;
        int target;
        if (sheet->m_bForward) {
            target = active == last ? std::max(active - 1, 0) : active + 1;
            sheet->m_bForward = active != last;
        } else {
            target = active == 0 ? std::min(1, last) : active - 1;
            sheet->m_bForward = active == 0;
        }
        sheet->SetActivePage(target);
        return FALSE;
    }
};

class PropertySheetTest : public ::testing::Test {
protected:
    void AddPages(std::initializer_list<TestPage*> pages)
    {
        for (TestPage* page : pages)
            m_sheet.AddPage(page);
        m_sheet.m_pFirstPage = *pages.begin();
    }

    // Shows the sheet on a thread of its own; the driver then works on its window.
    void Start()
    {
        m_run = std::make_unique<ModalRun>([this] { m_nEnding = m_sheet.DoModal(); });
        HWND sheet = WaitForWizard(GetCurrentProcessId());
        ASSERT_NE(nullptr, sheet);
        m_driver = std::make_unique<WizardDriver>(sheet);
    }

    bool Ended() { return m_run->WaitForEnd(5000); }

    TestSheet m_sheet;
    std::atomic<INT_PTR> m_nEnding{0};
    std::unique_ptr<ModalRun> m_run;
    std::unique_ptr<WizardDriver> m_driver;
};

TEST_F(PropertySheetTest, FinishAndCancelEndTheRunWithTheirButtonIdentifiers)
{
    TestPage page(1, PSWIZB_FINISH);
    AddPages({&page});
    Start();
    // The derived initialisation runs after the first page is up.
    EXPECT_EQ(1, m_sheet.m_nPageActivationsAtInit);
    EXPECT_EQ(1, m_sheet.GetPageCount());

    page.m_bAllowFinish = false;
    ASSERT_TRUE(m_driver->WaitForButtonEnabled(ID_WIZFINISH, true, 2000));
    ASSERT_TRUE(m_driver->Press(ID_WIZFINISH));
    EXPECT_FALSE(m_run->WaitForEnd(300));  // a page that refuses to finish keeps the wizard

    page.m_bAllowFinish = true;
    ASSERT_TRUE(m_driver->Press(ID_WIZFINISH));
    ASSERT_TRUE(Ended());
    EXPECT_EQ(ID_WIZFINISH, m_nEnding);

    Start();
    ASSERT_TRUE(m_driver->Press(IDCANCEL));
    ASSERT_TRUE(Ended());
    EXPECT_EQ(IDCANCEL, m_nEnding);
}

TEST_F(PropertySheetTest, RefusedPageIsSkippedInTheDirectionOfTravel)
{
    TestPage first(1), second(2), third(3);
    second.m_bRefuse = true;
    AddPages({&first, &second, &third});
    Start();

    ASSERT_TRUE(m_driver->Press(ID_WIZNEXT));
    EXPECT_TRUE(m_driver->WaitForActiveIndex(2, 2000));
    EXPECT_EQ(1, second.m_nActivations);
    EXPECT_EQ(2, m_sheet.GetActiveIndex());

    ASSERT_TRUE(m_driver->WaitForButtonEnabled(ID_WIZBACK, true, 2000));
    ASSERT_TRUE(m_driver->Press(ID_WIZBACK));
    EXPECT_TRUE(m_driver->WaitForActiveIndex(0, 2000));
    EXPECT_EQ(2, second.m_nActivations);

    // A page that is not refused is shown when asked for directly.
    second.m_bRefuse = false;
    EXPECT_TRUE(m_sheet.SetActivePage(1));
    EXPECT_EQ(1, m_driver->ActiveIndex());
    ASSERT_TRUE(m_driver->Press(IDCANCEL));
    ASSERT_TRUE(Ended());
}

TEST_F(PropertySheetTest, PageThatSkipsItselfLandsWhereItSentTheSheet)
{
    SkippingPage first(1), second(2), third(3);
    AddPages({&first, &second, &third});
    Start();

    // In the middle, both ways: the neighbours are reached and activated once each.
    second.m_bSkip = true;
    ASSERT_TRUE(m_driver->Press(ID_WIZNEXT));
    EXPECT_TRUE(m_driver->WaitForActiveIndex(2, 2000));
    EXPECT_EQ(1, third.m_nActivations);
    m_sheet.m_bForward = false;
    ASSERT_TRUE(m_driver->WaitForButtonEnabled(ID_WIZBACK, true, 2000));
    ASSERT_TRUE(m_driver->Press(ID_WIZBACK));
    EXPECT_TRUE(m_driver->WaitForActiveIndex(0, 2000));
    EXPECT_EQ(2, first.m_nActivations);
    EXPECT_EQ(2, second.m_nActivations);
    EXPECT_EQ(1, second.m_nIndexSeen);

    // The last page going forward sends the sheet one page back and turns the direction.
    second.m_bSkip = false;
    third.m_bSkip = true;
    m_sheet.m_bForward = true;
    ASSERT_TRUE(m_driver->Press(ID_WIZNEXT));
    ASSERT_TRUE(m_driver->WaitForActiveIndex(1, 2000));
    ASSERT_TRUE(m_driver->Press(ID_WIZNEXT));
    EXPECT_EQ(1, m_driver->ActiveIndex());
    EXPECT_EQ(2, third.m_nActivations);
    EXPECT_EQ(2, third.m_nIndexSeen);
    EXPECT_EQ(4, second.m_nActivations);
    EXPECT_FALSE(m_sheet.m_bForward);

    // The first page going backward sends the sheet to page 1 and turns the direction.
    first.m_bSkip = true;
    ASSERT_TRUE(m_driver->Press(ID_WIZBACK));
    EXPECT_EQ(1, m_driver->ActiveIndex());
    EXPECT_EQ(3, first.m_nActivations);
    EXPECT_EQ(0, first.m_nIndexSeen);
    EXPECT_EQ(5, second.m_nActivations);
    EXPECT_TRUE(m_sheet.m_bForward);
    ASSERT_TRUE(m_driver->Press(IDCANCEL));
    ASSERT_TRUE(Ended());
}

TEST_F(PropertySheetTest, NextAnsweredWithMinusOneStaysOnThePage)
{
    TestPage first(1), second(2);
    first.m_nNextResult = -1;
    AddPages({&first, &second});
    Start();

    ASSERT_TRUE(m_driver->Press(ID_WIZNEXT));
    EXPECT_FALSE(m_driver->WaitForActiveIndex(1, 300));
    EXPECT_EQ(0, m_driver->ActiveIndex());
    EXPECT_EQ(0, second.m_nActivations);

    first.m_nNextResult = 0;
    ASSERT_TRUE(m_driver->Press(ID_WIZNEXT));
    EXPECT_TRUE(m_driver->WaitForActiveIndex(1, 2000));
    ASSERT_TRUE(m_driver->Press(IDCANCEL));
    ASSERT_TRUE(Ended());
}

TEST_F(PropertySheetTest, ControlsReachTheirPageAndExchangeTheirData)
{
    TestPage page(1, PSWIZB_FINISH);
    page.m_bTicked = true;
    page.m_nTimerPeriod = 10;
    AddPages({&page});
    Start();
    // The page's initialisation moved the field into the box.
    EXPECT_TRUE(m_driver->IsChecked(kTickBox));

    ASSERT_TRUE(m_driver->SetChecked(kTickBox, false));
    EXPECT_TRUE(WaitFor([&] { return page.m_nClicks == 1; }));
    EXPECT_TRUE(WaitFor([&] { return page.m_nTimerTicks > 0; }));

    ASSERT_TRUE(m_driver->Press(ID_WIZFINISH));
    ASSERT_TRUE(Ended());
    EXPECT_FALSE(page.m_bTicked);
}

}  // namespace
