#include "ReportFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include "IniConfig.h"
#include "ProgramFiles.h"
#include "ReportSink.h"

std::string ReadReport(const std::string& path)
{
    const std::string bytes = ReadTextFile(path);
    if (bytes.empty())
        return bytes;
    const UINT kShiftJis = 932;
    int wideLength = MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes.data(),
                                         static_cast<int>(bytes.size()), nullptr, 0);
    if (wideLength == 0)
        return "<not code page 932>";
    std::wstring wide(wideLength, L'\0');
    MultiByteToWideChar(kShiftJis, MB_ERR_INVALID_CHARS, bytes.data(),
                        static_cast<int>(bytes.size()), &wide[0], wideLength);
    int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr,
                                     nullptr);
    std::string text(length, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &text[0], length, nullptr, nullptr);
    return text;
}

std::string CheckWithAndWithoutReport(ConfigurationCheck check, const std::string& reportPath,
                                      bool expectPassed)
{
    CIniConfig config;
    CReportSink silent;
    EXPECT_EQ(expectPassed, check(config, silent));

    CReportSink report;
    unsigned long error = 0;
    EXPECT_TRUE(report.Open(reportPath, error)) << error;
    EXPECT_EQ(expectPassed, check(config, report));
    report.Close();
    return ReadReport(reportPath);
}
