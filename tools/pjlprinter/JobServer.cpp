#include "JobServer.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

// A signal only writes a byte here; poll() wakes on it, so no signal is missed between checks.
int g_stopPipe[2] = {-1, -1};

void OnStopSignal(int)
{
    int saved = errno;
    (void)!write(g_stopPipe[1], "x", 1);
    errno = saved;
}

bool InstallStopSignals()
{
    if (g_stopPipe[0] < 0 && pipe2(g_stopPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    struct sigaction action = {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    signal(SIGPIPE, SIG_IGN);
    return sigaction(SIGTERM, &action, nullptr) == 0 && sigaction(SIGINT, &action, nullptr) == 0;
}

// Waits for `socket` to be readable or a stop signal; the poll() result otherwise.
enum Wake { READABLE, STOPPING, TIMED_OUT };

Wake WaitFor(int socket, int timeoutMs)
{
    pollfd watched[2] = {{g_stopPipe[0], POLLIN, 0}, {socket, POLLIN, 0}};
    for (;;) {
        int ready = poll(watched, 2, timeoutMs);
        if (ready < 0 && errno == EINTR)
            continue;  // the byte the handler wrote wakes the next poll
        if (ready == 0)
            return TIMED_OUT;
        if (ready < 0 || (watched[0].revents & POLLIN) != 0)
            return STOPPING;
        return READABLE;
    }
}

std::string PeerName(const sockaddr_in& peer)
{
    char address[INET_ADDRSTRLEN] = "?";
    inet_ntop(AF_INET, &peer.sin_addr, address, sizeof(address));
    return std::string(address) + ":" + std::to_string(ntohs(peer.sin_port));
}

}  // namespace

JobServer::~JobServer()
{
    if (m_listener >= 0)
        close(m_listener);
}

bool JobServer::Listen(unsigned port, std::string& error)
{
    if (!InstallStopSignals()) {
        error = std::string("cannot catch stop signals: ") + std::strerror(errno);
        return false;
    }
    m_listener = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int reuse = 1;
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (m_listener < 0 ||
        setsockopt(m_listener, SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof(reuse)) != 0 ||
        bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 ||
        listen(m_listener, 16) != 0 ||
        getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = "cannot listen on 127.0.0.1:" + std::to_string(port) + ": " + std::strerror(errno);
        return false;
    }
    m_port = ntohs(address.sin_port);
    return true;
}

unsigned JobServer::Run(VirtualPrinter& printer, int stallSeconds, unsigned jobLimit)
{
    unsigned jobs = 0;
    while (!m_stopping && (jobLimit == 0 || jobs < jobLimit)) {
        if (WaitFor(m_listener, -1) != READABLE)
            break;
        sockaddr_in peer = {};
        socklen_t length = sizeof(peer);
        int connection = accept4(m_listener, reinterpret_cast<sockaddr*>(&peer), &length,
                                 SOCK_CLOEXEC);
        if (connection < 0) {
            // The sender gave up before it was taken, or the printer is out of descriptors for
            // now: a pause keeps a lasting failure from spinning.
            usleep(100 * 1000);
            continue;
        }
        printer.BeginJob(PeerName(peer));
        std::string trouble = Serve(connection, printer, stallSeconds);
        close(connection);
        printer.EndJob(trouble);
        ++jobs;
    }
    return jobs;
}

std::string JobServer::Serve(int connection, VirtualPrinter& printer, int stallSeconds)
{
    char buffer[64 * 1024];
    for (;;) {
        switch (WaitFor(connection, stallSeconds * 1000)) {
        case STOPPING:
            m_stopping = true;
            return "cut short: the printer is stopping";
        case TIMED_OUT:
            return "stalled: no byte for " + std::to_string(stallSeconds) +
                   " s, connection closed";
        case READABLE:
            break;
        }
        ssize_t count = read(connection, buffer, sizeof(buffer));
        if (count == 0)
            return "";
        if (count < 0) {
            if (errno == EINTR)
                continue;
            return std::string("connection lost: ") + std::strerror(errno);
        }
        printer.Receive(buffer, static_cast<std::size_t>(count));
    }
}
