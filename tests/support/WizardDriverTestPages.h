#pragma once
// The two pages of the wizard the driver's own tests run.
#define IDD_FIRST_PAGE 101
#define IDD_SECOND_PAGE 102
#define IDC_AGREE 1001
#define IDC_ROWS 1002
#define IDC_CHOSEN 1003
