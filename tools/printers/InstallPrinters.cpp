// Installs the printers listed in a text file through the spooler, one per line:
//   printer name|driver name|port|dependent files separated by ";"
// A port that is a file path receives the raw bytes of every job; its folder is created. A port
// written as "pipe:COMMAND" is Wine's "|COMMAND", which pipes each job into that Unix command (the
// list's own separator cannot start it).
// Lines starting with "#" and empty lines are ignored.
#include <windows.h>

#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct PrinterLine {
    std::string name, driver, port, dependentFiles;
};

bool ParseLine(const std::string& line, PrinterLine& printer)
{
    std::vector<std::string> fields;
    std::stringstream stream(line);
    for (std::string field; std::getline(stream, field, '|');)
        fields.push_back(field);
    if (fields.size() < 3)
        return false;
    fields.resize(4);
    const std::string pipePrefix = "pipe:";
    if (fields[2].compare(0, pipePrefix.size(), pipePrefix) == 0)
        fields[2] = "|" + fields[2].substr(pipePrefix.size());
    printer = {fields[0], fields[1], fields[2], fields[3]};
    return true;
}

// The spooler takes dependent files as a list of zero-terminated names ending in an empty one.
std::string MultiString(const std::string& semicolonList)
{
    std::string list = semicolonList;
    for (char& c : list) {
        if (c == ';')
            c = '\0';
    }
    return list + std::string(2, '\0');
}

bool InstallDriver(const PrinterLine& printer)
{
    std::string dependentFiles = MultiString(printer.dependentFiles);
    DRIVER_INFO_3A driver = {};
    driver.cVersion = 3;
    driver.pName = const_cast<char*>(printer.driver.c_str());
    driver.pDriverPath = const_cast<char*>("lomarel-test.drv");
    driver.pDataFile = const_cast<char*>("lomarel-test.ppd");
    driver.pConfigFile = const_cast<char*>("lomarel-test.drv");
    driver.pDependentFiles = printer.dependentFiles.empty() ? nullptr : &dependentFiles[0];
    driver.pDefaultDataType = const_cast<char*>("RAW");
    if (AddPrinterDriverA(nullptr, 3, reinterpret_cast<LPBYTE>(&driver)))
        return true;
    return GetLastError() == ERROR_PRINTER_DRIVER_ALREADY_INSTALLED;
}

void CreatePortFolder(const std::string& port)
{
    size_t slash = port.find_last_of('\\');
    if (port.size() > 2 && port[1] == ':' && slash != std::string::npos)
        CreateDirectoryA(port.substr(0, slash).c_str(), nullptr);
}

bool InstallPrinter(const PrinterLine& printer)
{
    CreatePortFolder(printer.port);
    PRINTER_INFO_2A info = {};
    info.pPrinterName = const_cast<char*>(printer.name.c_str());
    info.pPortName = const_cast<char*>(printer.port.c_str());
    info.pDriverName = const_cast<char*>(printer.driver.c_str());
    info.pPrintProcessor = const_cast<char*>("WinPrint");
    info.pDatatype = const_cast<char*>("RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE handle = AddPrinterA(nullptr, 2, reinterpret_cast<LPBYTE>(&info));
    if (handle == nullptr)
        return GetLastError() == ERROR_PRINTER_ALREADY_EXISTS;
    ClosePrinter(handle);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: InstallPrinters <printer list file>\n";
        return 2;
    }
    std::ifstream file(argv[1]);
    if (!file) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    int failures = 0;
    for (std::string line; std::getline(file, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line[0] == '#')
            continue;
        PrinterLine printer;
        if (!ParseLine(line, printer)) {
            std::cerr << "bad line: " << line << "\n";
            ++failures;
        } else if (!InstallDriver(printer) || !InstallPrinter(printer)) {
            std::cerr << "cannot install \"" << printer.name << "\": error " << GetLastError()
                      << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
