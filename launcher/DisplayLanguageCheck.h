#pragma once

class CIniConfig;
class CReportSink;

// Finds the language file of every machine and every language it lists, reads its header and
// compares it with the configuration. Faults are reported as they are found, then a summary
// line per machine and language. True when no fault was found.
bool CheckDisplayLanguages(CIniConfig& config, CReportSink& report);
