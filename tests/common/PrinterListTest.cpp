#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "PrinterList.h"
#include "ResultCodes.h"
#include "SpoolerOverride.h"
#include "TestPrinters.h"

namespace {

using namespace test_printers;

TEST(PrinterList, ListsTheInstalledPrintersByIndex)
{
    CPrinterList printers;
    ASSERT_EQ(kCount, printers.GetCount());
    EXPECT_EQ(0, printers.GetStatus());

    bool sawLaser = false;
    for (int i = 0; i < kCount; ++i) {
        PrinterInfo printer = printers.GetAt(i);
        ASSERT_FALSE(printer.IsEmpty());
        if (strcmp(printer.GetPrinterName(), kLaser) == 0) {
            sawLaser = true;
            EXPECT_STREQ(kLaserDriver, printer.GetDriverName());
            EXPECT_STREQ(kLaserPort, printer.GetPortName());
            EXPECT_EQ(0, printer.GetJobCount());
        }
    }
    EXPECT_TRUE(sawLaser);

    for (int index : {kCount, -1}) {
        EXPECT_TRUE(printers.GetAt(index).IsEmpty());
        EXPECT_EQ(ERR_ARG_INDEX_OUT_OF_RANGE, printers.GetStatus()) << index;
    }
}

TEST(PrinterList, NameLookupIsExactAndCaseSensitive)
{
    CPrinterList printers;
    PrinterInfo found = printers.FindByName(kPlain);
    EXPECT_EQ(0, printers.GetStatus());
    EXPECT_STREQ(kPlainDriver, found.GetDriverName());

    std::string lower = kPlain;
    for (char& c : lower)
        c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    EXPECT_TRUE(printers.FindByName(lower.c_str()).IsEmpty());
    EXPECT_EQ(ERR_PRINTER_NOT_FOUND, printers.GetStatus());
    EXPECT_TRUE(printers.FindByName("Lomarel Test").IsEmpty());
    EXPECT_EQ(ERR_PRINTER_NOT_FOUND, printers.GetStatus());

    // A later successful lookup resets the status.
    EXPECT_FALSE(printers.FindByName(kMfp).IsEmpty());
    EXPECT_EQ(0, printers.GetStatus());
}

TEST(PrinterList, PortLookupFindsThePrinterOnThatPort)
{
    CPrinterList printers;
    PrinterInfo found = printers.FindByPort(kLaserPort);
    EXPECT_STREQ(kLaser, found.GetPrinterName());
    EXPECT_TRUE(printers.FindByPort("C:\\test-out\\LASER.prn").IsEmpty());
    EXPECT_EQ(ERR_PRINTER_NOT_FOUND, printers.GetStatus());
    EXPECT_TRUE(printers.FindByPort("").IsEmpty());
    EXPECT_EQ(ERR_ARG_NO_NAME_OR_PORT, printers.GetStatus());
    EXPECT_TRUE(printers.FindByName(nullptr).IsEmpty());
    EXPECT_EQ(ERR_ARG_NO_NAME_OR_PORT, printers.GetStatus());
}

TEST(PrinterList, EntriesAreDeepCopies)
{
    PrinterInfo copy;
    {
        CPrinterList printers;
        PrinterInfo found = printers.FindByName(kLaser);
        copy = found;
        PrinterInfo second(found);
        EXPECT_STREQ(kLaser, second.GetPrinterName());
        EXPECT_NE(found.GetPrinterName(), copy.GetPrinterName());
    }
    EXPECT_STREQ(kLaser, copy.GetPrinterName());
    EXPECT_STREQ(kLaserDriver, copy.GetDriverName());
    EXPECT_EQ(nullptr, copy.GetComment());  // empty texts are not copied
}

BOOL WINAPI EnumerateNothingNeeded(DWORD, LPSTR, DWORD, LPBYTE, DWORD, LPDWORD needed,
                                   LPDWORD returned)
{
    *needed = 0;
    *returned = 0;
    SetLastError(ERROR_SUCCESS);
    return TRUE;
}

BOOL WINAPI EnumerateFailingSecondCall(DWORD, LPSTR, DWORD, LPBYTE buffer, DWORD, LPDWORD needed,
                                       LPDWORD)
{
    if (buffer != nullptr) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *needed = 4096;
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return FALSE;
}

TEST(PrinterList, EnumerationThatNeedsNoDataFails)
{
    SpoolerOverride spooler;
    spooler.Api().EnumPrintersA = EnumerateNothingNeeded;
    CPrinterList printers;
    EXPECT_EQ(-1, printers.GetCount());
    EXPECT_EQ(ERR_PRINTER_NO_DATA, printers.GetStatus());
    EXPECT_TRUE(printers.GetAt(0).IsEmpty());
    EXPECT_EQ(ERR_PRINTER_NO_DATA, printers.GetStatus());
}

TEST(PrinterList, FailingSecondCallLeavesTheListUnenumerated)
{
    SpoolerOverride spooler;
    spooler.Api().EnumPrintersA = EnumerateFailingSecondCall;
    CPrinterList printers;
    EXPECT_FALSE(printers.Enumerate());
    EXPECT_EQ(ERR_PRINTER_ENUM_FAILED, printers.GetStatus());
    EXPECT_EQ(-1, printers.GetCount());
    EXPECT_TRUE(printers.FindByName(kLaser).IsEmpty());
    EXPECT_EQ(ERR_PRINTER_ENUM_FAILED, printers.GetStatus());
}

}  // namespace
