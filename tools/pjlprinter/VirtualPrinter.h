#pragma once
#include <cstdio>
#include <string>
#include <vector>

#include "PjlJobParser.h"
#include "PrinterLog.h"
#include "PrinterState.h"

// The printer behind the port: takes one job at a time, keeps its bytes, carries out its PJL
// commands and keeps its settings and panel language in the state folder.
//
//   <state>/printer-state.txt    the settings and the panel language held ("key=value" lines)
//   <state>/panel-messages.lng   the panel language file held, as it arrived
//   <state>/menu-map.txt         the last menu map printed
//   <state>/jobs/job-<n>.prn     every job's bytes
class VirtualPrinter {
public:
    VirtualPrinter(const std::string& stateFolder, PrinterLog& log);
    ~VirtualPrinter();
    VirtualPrinter(const VirtualPrinter&) = delete;
    VirtualPrinter& operator=(const VirtualPrinter&) = delete;

    // Loads the state; false when the state folder cannot hold the jobs.
    bool Open();
    // Logs that it takes jobs at `address` and what it holds.
    void Start(const std::string& address);
    void BeginJob(const std::string& peer);
    void Receive(const char* data, std::size_t size);
    // `trouble` says why the job ended early; empty when the sender ended it.
    void EndJob(const std::string& trouble);
    void SaveState();

private:
    void Carry(const std::vector<PjlEvent>& events);
    void Command(const std::string& line);
    void Resource(const PjlEvent& event);
    void PrintMenuMap();
    void Log(const std::string& text);
    std::string Path(const std::string& name) const;

    std::string m_folder;
    PrinterLog& m_log;
    PrinterState m_state;
    PjlJobParser m_parser;
    unsigned m_job = 0;
    std::string m_peer;
    std::size_t m_received = 0;
    std::FILE* m_jobFile = nullptr;
};
