#include "VirtualPrinter.h"

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <sstream>

#include "MenuMap.h"
#include "PrinterText.h"
#include "ResultCodes.h"

namespace {

const char kStateFile[] = "printer-state.txt";
const char kPanelFile[] = "panel-messages.lng";
const char kMenuMapFile[] = "menu-map.txt";
const char kPanelLocation[] = "LOCATION=\"DownloadMessage:setMessage\"";

std::string JobName(unsigned job) { return "jobs/job-" + std::to_string(job) + ".prn"; }

// The highest job number in the folder, so numbers go on counting up across restarts.
unsigned LastJob(const std::filesystem::path& jobs)
{
    unsigned last = 0;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(jobs, error)) {
        std::string name = entry.path().filename().string();
        if (name.size() <= 8 || name.compare(0, 4, "job-") != 0 ||
            name.compare(name.size() - 4, 4, ".prn") != 0)
            continue;
        std::string digits = name.substr(4, name.size() - 8);
        if (digits.size() <= 9 && digits.find_first_not_of("0123456789") == std::string::npos)
            last = std::max(last, static_cast<unsigned>(std::stoul(digits)));
    }
    return last;
}

std::string HeldPanel(const PrinterState& state)
{
    return state.panel ? "kept " + state.panel->Description() : "kept none";
}

}  // namespace

VirtualPrinter::VirtualPrinter(const std::string& stateFolder, PrinterLog& log)
    : m_folder(stateFolder), m_log(log)
{
}

VirtualPrinter::~VirtualPrinter()
{
    if (m_jobFile != nullptr)
        std::fclose(m_jobFile);
}

bool VirtualPrinter::Open()
{
    std::error_code error;
    std::filesystem::create_directories(Path("jobs"), error);
    if (error)
        return false;
    m_state.Load(Path(kStateFile));
    m_job = LastJob(Path("jobs"));
    return true;
}

void VirtualPrinter::Start(const std::string& address)
{
    m_log.Line("started on " + address + "; panel language: " +
               (m_state.panel ? m_state.panel->Description() : std::string("none downloaded")) +
               "; next job " + std::to_string(m_job + 1));
}

void VirtualPrinter::BeginJob(const std::string& peer)
{
    ++m_job;
    m_peer = peer;
    m_received = 0;
    m_jobFile = std::fopen(Path(JobName(m_job)).c_str(), "wb");
    if (m_jobFile == nullptr)
        Log("cannot write " + JobName(m_job) + "; the job is read but not kept");
}

void VirtualPrinter::Receive(const char* data, std::size_t size)
{
    m_received += size;
    if (m_jobFile != nullptr)
        std::fwrite(data, 1, size, m_jobFile);
    std::vector<PjlEvent> events;
    m_parser.Feed(data, size, events);
    Carry(events);
}

void VirtualPrinter::EndJob(const std::string& trouble)
{
    std::vector<PjlEvent> events;
    m_parser.Finish(events);
    Carry(events);
    std::string kept = "not kept";
    if (m_jobFile != nullptr) {
        // A write that failed on the way (a full disk) leaves only part of the job in the file.
        bool whole = !std::ferror(m_jobFile);
        whole = std::fclose(m_jobFile) == 0 && whole;
        kept = (whole ? "kept as " : "not kept whole: cannot write ") + JobName(m_job);
    }
    m_jobFile = nullptr;
    std::string line = GroupedDigits(m_received) + " bytes from " + m_peer + ", " + kept;
    Log(trouble.empty() ? line : trouble + "; " + line);
    SaveState();
}

void VirtualPrinter::SaveState()
{
    if (!m_state.Save(Path(kStateFile)))
        m_log.Line(std::string("cannot write ") + kStateFile);
}

void VirtualPrinter::Carry(const std::vector<PjlEvent>& events)
{
    for (const PjlEvent& event : events) {
        switch (event.kind) {
        case PjlEvent::UEL:
            break;
        case PjlEvent::COMMAND:
            Command(event.text);
            break;
        case PjlEvent::RESOURCE:
            Resource(event);
            break;
        case PjlEvent::RESOURCE_OVERRUN:
            Log("panel messages rejected: SIZE=" + std::to_string(event.announced) + " but " +
                GroupedDigits(event.trailing) + " more bytes followed the announced ones (" +
                GroupedDigits(event.size) + " bytes in all); " + HeldPanel(m_state));
            break;
        case PjlEvent::RESOURCE_TRUNCATED:
            Log("panel messages rejected: the job ended after " +
                GroupedDigits(event.payload.size()) + " of " + GroupedDigits(event.announced) +
                " announced bytes (" + GroupedDigits(event.size) + " bytes in all); " +
                HeldPanel(m_state));
            break;
        case PjlEvent::RESOURCE_UNUSABLE:
            Log("panel messages rejected: no usable SIZE in " + QuotedBytes(event.text) + "; " +
                GroupedDigits(event.trailing) + " bytes of data skipped (" +
                GroupedDigits(event.size) + " bytes in all); " + HeldPanel(m_state));
            break;
        case PjlEvent::GARBAGE:
            Log("not PJL, skipped: " + GroupedDigits(event.size) + " bytes starting " +
                QuotedBytes(event.text));
            break;
        }
    }
}

void VirtualPrinter::Command(const std::string& line)
{
    std::istringstream words(line);
    std::string prefix, verb, setting;
    words >> prefix >> verb >> setting;
    std::string rest;
    std::getline(words, rest);
    std::size_t equals = setting.find('=');
    std::string name = Upper(setting.substr(0, equals));
    std::string value = equals == std::string::npos ? "" : setting.substr(equals + 1);
    verb = Upper(verb);
    // The product's commands are one setting each; anything beside it is some other command.
    bool alone = prefix == "@PJL" && rest.find_first_not_of(" \t") == std::string::npos;
    if (alone && verb == "DEFAULT" && name == "KYVCOUNTRYCODE" && m_state.SetCountryCode(value)) {
        Log("country code: " + m_state.countryCode);
    } else if (alone && verb == "DEFAULT" && name == "KYVDAYLIGHTSAVING" &&
               m_state.SetDaylightSaving(value)) {
        Log("daylight saving: " + m_state.daylightSaving);
    } else if (alone && verb == "DEFAULT" && name == "KYVTIMEZONEOFFSET" &&
               m_state.SetTimeZoneOffset(value)) {
        Log("time-zone offset: " + OffsetText(*m_state.timeZoneOffset));
    } else if (std::string text; alone && verb == "SET" && name == "KYVCURRENTTIME" &&
               m_state.SetClock(value, std::time(nullptr)) && UtcTimeText(*m_state.clock, text)) {
        Log("clock set to " + text + " UTC");
    } else if (alone && verb == "KYVINFOPRINT" && name == "MENU" && Upper(value) == "CUMENU") {
        PrintMenuMap();
    } else if (verb == "KYVRESOURCEWRITE") {
        Log("resource write without a usable SIZE, ignored: " + QuotedBytes(line));
    } else {
        Log("unknown PJL command: " + QuotedBytes(line));
    }
}

void VirtualPrinter::Resource(const PjlEvent& event)
{
    std::string whole = " (" + GroupedDigits(event.size) + " bytes in all)";
    if (event.text.find(kPanelLocation) == std::string::npos) {
        Log("resource for an unknown location, ignored: " + QuotedBytes(event.text) + whole);
        return;
    }
    PanelLanguage panel;
    int result = ReadPanelLanguage(event.payload, panel);
    if (result != RESULT_OK) {
        char code[16];
        std::snprintf(code, sizeof(code), "0x%05X", static_cast<unsigned>(result));
        Log("panel messages rejected: the language file's header does not check (" +
            std::string(code) + ")" + whole + "; " + HeldPanel(m_state));
        return;
    }
    if (!ReplaceFile(Path(kPanelFile), event.payload)) {
        Log(std::string("panel messages rejected: cannot write ") + kPanelFile + "; " +
            HeldPanel(m_state));
        return;
    }
    m_state.panel = panel;
    Log("panel messages: " + panel.Description());
}

void VirtualPrinter::PrintMenuMap()
{
    if (ReplaceFile(Path(kMenuMapFile), MenuMapText(m_state, std::time(nullptr))))
        Log(std::string("menu map printed to ") + kMenuMapFile);
    else
        Log(std::string("menu map not printed: cannot write ") + kMenuMapFile);
}

void VirtualPrinter::Log(const std::string& text) { m_log.JobLine(m_job, text); }

std::string VirtualPrinter::Path(const std::string& name) const
{
    return (std::filesystem::path(m_folder) / name).string();
}
