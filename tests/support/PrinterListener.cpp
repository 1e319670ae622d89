#include "support/PrinterListener.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace kelvo::test {

namespace {

// A TCP socket bound to a free port of 127.0.0.1; its port in `port`.
int boundSocket(int& port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd < 0 || ::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

}  // namespace

PrinterListener::PrinterListener(Mode mode, std::size_t hangUpAfter)
    : m_mode(mode), m_hangUpAfter(hangUpAfter) {
    m_listen = boundSocket(m_port);
    // A printer's small buffer: the sender cannot hand the whole job to the kernels at once,
    // so a hang-up or a stop in the middle reaches it while it is still sending.
    const int buffer = 4096;
    ::setsockopt(m_listen, SOL_SOCKET, SO_RCVBUF, &buffer, sizeof buffer);
    ::listen(m_listen, 4);
    m_thread = std::thread([this] { serve(); });
}

PrinterListener::~PrinterListener() {
    m_stop = true;
    m_thread.join();
    ::close(m_listen);
}

void PrinterListener::serve() {
    while (!m_stop) {
        pollfd p{m_listen, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) {
            continue;
        }
        const int fd = ::accept4(m_listen, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        ++m_connections;
        {
            std::lock_guard lock(m_mutex);
            m_done = false;
            m_job.clear();
        }
        std::string bytes;
        char buffer[1024];
        while (!m_stop) {
            if (m_mode == Mode::NeverRead) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                continue;
            }
            pollfd c{fd, POLLIN, 0};
            if (::poll(&c, 1, 20) <= 0) {
                continue;
            }
            std::size_t want = sizeof buffer;
            if (m_mode == Mode::HangUp) {
                want = std::min(want, m_hangUpAfter - bytes.size());
            }
            const ssize_t n = ::read(fd, buffer, want);
            if (n <= 0) {
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(n));
            if (m_mode == Mode::HangUp && bytes.size() >= m_hangUpAfter) {
                break;
            }
        }
        ::close(fd);
        std::lock_guard lock(m_mutex);
        m_job = std::move(bytes);
        m_done = true;
        m_ended.notify_all();
    }
}

std::string PrinterListener::job() {
    std::unique_lock lock(m_mutex);
    m_ended.wait_for(lock, std::chrono::seconds(10), [this] { return m_done; });
    return m_job;
}

int closedPort() {
    int port = 0;
    const int fd = boundSocket(port);
    ::close(fd);  // bound, never listened on: the port is free and refuses
    return port;
}

}  // namespace kelvo::test
