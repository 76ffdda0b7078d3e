#pragma once

class CIniConfig;
class CReportSink;

// Checks every section of the configuration against the others and reports each fault; every
// check runs even after an earlier one failed. True when no fault was found.
bool CheckSections(CIniConfig& config, CReportSink& report);
