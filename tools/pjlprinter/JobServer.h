#pragma once
#include <string>

#include "VirtualPrinter.h"

// The printer's raw port on the loopback: each connection is one job, taken one at a time.
// SIGTERM and SIGINT stop it between jobs or cut the current one short.
class JobServer {
public:
    JobServer() = default;
    ~JobServer();
    JobServer(const JobServer&) = delete;
    JobServer& operator=(const JobServer&) = delete;

    // Port 0 takes any free port; Port() then tells which. False with `error` set on failure.
    bool Listen(unsigned port, std::string& error);
    unsigned Port() const { return m_port; }

    // Takes jobs until a stop signal or, when `jobLimit` is not 0, that many jobs; returns
    // how many it took.
    unsigned Run(VirtualPrinter& printer, int stallSeconds, unsigned jobLimit);

private:
    // Empty when the sender ended the job, else what cut it short.
    std::string Serve(int connection, VirtualPrinter& printer, int stallSeconds);

    int m_listener = -1;
    unsigned m_port = 0;
    bool m_stopping = false;
};
