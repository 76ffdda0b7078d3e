#pragma once
#include <string>

class CIniConfig;
class CReportSink;

// A report file read back and decoded from code page 932 into UTF-8, so that expectations read
// as the text does. Bytes that are not valid code page 932 yield a marker that no expectation
// matches.
std::string ReadReport(const std::string& path);

// Runs a check on the configuration beside the test program twice, silently and into a report
// at reportPath; both runs must give expectPassed. Returns the decoded report.
using ConfigurationCheck = bool (*)(CIniConfig& config, CReportSink& report);
std::string CheckWithAndWithoutReport(ConfigurationCheck check, const std::string& reportPath,
                                      bool expectPassed);
