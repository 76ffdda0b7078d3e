// A network printer's raw port on the loopback, for trying the product's jobs without a
// printer: it keeps every job's bytes, carries out the PJL commands the product sends and logs
// each one in a line a person can read.
//
//   pjlprinter [--port N] [--state DIR] [--jobs N] [--stall-seconds S]
//
// --port 0 takes any free port; the first line on standard output always names the port.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "JobServer.h"
#include "PrinterLog.h"
#include "VirtualPrinter.h"

namespace {

struct Options {
    unsigned port = 9100;
    std::string stateFolder = ".";
    unsigned jobLimit = 0;  // 0: no limit
    int stallSeconds = 30;
};

bool ParseCount(const char* text, unsigned long highest, unsigned long& value)
{
    char* end = nullptr;
    value = std::strtoul(text, &end, 10);
    return *text >= '0' && *text <= '9' && *end == '\0' && value <= highest;
}

bool ParseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        std::string name = argv[i];
        unsigned long value = 0;
        if (name == "--state")
            options.stateFolder = argv[i + 1];
        else if (name == "--port" && ParseCount(argv[i + 1], 65535, value))
            options.port = static_cast<unsigned>(value);
        else if (name == "--jobs" && ParseCount(argv[i + 1], 1000000, value))
            options.jobLimit = static_cast<unsigned>(value);
        else if (name == "--stall-seconds" && ParseCount(argv[i + 1], 86400, value) && value > 0)
            options.stallSeconds = static_cast<int>(value);
        else
            return false;
    }
    return argc % 2 == 1;
}

}  // namespace

int main(int argc, char** argv)
{
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: pjlprinter [--port N] [--state DIR] [--jobs N] "
                             "[--stall-seconds S]\n");
        return 64;
    }
    JobServer server;
    std::string problem;
    if (!server.Listen(options.port, problem)) {
        std::fprintf(stderr, "pjlprinter: %s\n", problem.c_str());
        return 1;
    }
    std::error_code error;
    std::filesystem::create_directories(options.stateFolder, error);
    PrinterLog log((std::filesystem::path(options.stateFolder) / "printer.log").string());
    VirtualPrinter printer(options.stateFolder, log);
    if (!log.IsOpen() || !printer.Open()) {
        std::fprintf(stderr, "pjlprinter: cannot keep the log and jobs in %s\n",
                     options.stateFolder.c_str());
        return 1;
    }
    // Whoever started the printer on any free port learns it here, before anything else, and
    // only once the printer can take jobs.
    std::string address = "127.0.0.1:" + std::to_string(server.Port());
    std::printf("listening on %s\n", address.c_str());
    std::fflush(stdout);
    printer.Start(address);
    unsigned jobs = server.Run(printer, options.stallSeconds, options.jobLimit);
    printer.SaveState();
    log.Line("stopped after " + std::to_string(jobs) + (jobs == 1 ? " job" : " jobs"));
    return 0;
}
