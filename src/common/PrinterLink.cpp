#include "common/PrinterLink.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <pthread.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <memory>

namespace kelvo {

namespace {

using Steady = std::chrono::steady_clock;

// Closes a file descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd;
};

// Holds SIGPIPE back while it lives: a device file may be a pipe, whose reader may go away
// in the middle of a job, and the program must then get EPIPE, not be ended by the signal.
class SigpipeHeld {
public:
    SigpipeHeld() {
        sigemptyset(&m_pipe);
        sigaddset(&m_pipe, SIGPIPE);
        pthread_sigmask(SIG_BLOCK, &m_pipe, &m_old);
    }
    ~SigpipeHeld() {
        if (sigismember(&m_old, SIGPIPE)) {
            return;  // it was held before: leave it as it was
        }
        sigset_t pending;
        sigpending(&pending);
        if (sigismember(&pending, SIGPIPE)) {
            const timespec now{};
            sigtimedwait(&m_pipe, nullptr, &now);  // take the signal this job raised
        }
        pthread_sigmask(SIG_SETMASK, &m_old, nullptr);
    }
    SigpipeHeld(const SigpipeHeld&) = delete;
    SigpipeHeld& operator=(const SigpipeHeld&) = delete;

private:
    sigset_t m_pipe{};
    sigset_t m_old{};
};

int millisecondsSince(Steady::time_point start) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Steady::now() - start).count());
}

PrintOutcome failed(PrintFailure failure, std::size_t sent, int error) {
    return {failure, sent, std::strerror(error)};
}

// Waits until fd can take bytes or has an error or hang-up to report (true), or the time is
// up (false).
bool waitWritable(int fd, int ms) {
    const auto start = Steady::now();
    for (;;) {
        pollfd p{fd, POLLOUT, 0};
        const int n = ::poll(&p, 1, std::max(0, ms - millisecondsSince(start)));
        if (n > 0) {
            return true;
        }
        if (n == 0 || errno != EINTR) {
            return n != 0;  // a failed poll is reported by the next write
        }
    }
}

// Writes the whole job; each wait for the link to take more may last up to stallMs.
PrintOutcome writeAll(int fd, std::string_view job, int stallMs, bool socket) {
    std::size_t sent = 0;
    while (sent < job.size()) {
        const ssize_t n = socket ? ::send(fd, job.data() + sent, job.size() - sent, MSG_NOSIGNAL)
                                 : ::write(fd, job.data() + sent, job.size() - sent);
        if (n > 0) {
            sent += static_cast<std::size_t>(n);
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!waitWritable(fd, stallMs)) {
                return failed(PrintFailure::Stalled, sent, ETIMEDOUT);
            }
        } else {
            return failed(PrintFailure::Lost, sent, n < 0 ? errno : EIO);
        }
    }
    return {PrintFailure::None, sent, {}};
}

// Waits until the bytes still queued for the link (TIOCOUTQ; the same request as SIOCOUTQ,
// which counts the bytes a TCP peer has not yet acknowledged) are gone. Each drop of the
// queue starts the stall time again.
PrintOutcome drain(int fd, std::size_t sent, int stallMs) {
    int last = -1;
    auto since = Steady::now();
    for (;;) {
        int queued = 0;
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0 || queued == 0) {
            return {PrintFailure::None, sent, {}};  // gone, or the link cannot tell
        }
        if (queued != last) {
            last = queued;
            since = Steady::now();
        } else if (millisecondsSince(since) >= stallMs) {
            return failed(PrintFailure::Stalled, sent - static_cast<std::size_t>(queued),
                          ETIMEDOUT);
        }
        pollfd p{fd, 0, 0};  // reports only errors and hang-ups
        if (::poll(&p, 1, 20) > 0 && (p.revents & (POLLERR | POLLHUP | POLLNVAL)) != 0) {
            int error = EIO;
            socklen_t length = sizeof error;
            if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) != 0 || error == 0) {
                error = EIO;
            }
            return failed(PrintFailure::Lost, sent - static_cast<std::size_t>(queued), error);
        }
    }
}

PrintFailure connectFailure(int error) {
    switch (error) {
        case ECONNREFUSED:
            return PrintFailure::Refused;
        case ETIMEDOUT:
            return PrintFailure::NoAnswer;
        default:
            return PrintFailure::Unreachable;
    }
}

PrintOutcome sendOverTcp(const PrinterAddress& printer, std::string_view job,
                         const PrinterTimeouts& timeouts) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(printer.Port);
    if (const int rc = ::getaddrinfo(printer.Host.c_str(), port.c_str(), &hints, &found); rc != 0) {
        return {PrintFailure::UnknownHost, 0, ::gai_strerror(rc)};
    }
    const std::unique_ptr<addrinfo, void (*)(addrinfo*)> addresses(found, ::freeaddrinfo);
    const auto start = Steady::now();
    PrintOutcome last = failed(PrintFailure::NoAnswer, 0, ETIMEDOUT);
    // A host name may stand for several addresses: the first that answers takes the job.
    for (const addrinfo* a = found; a != nullptr; a = a->ai_next) {
        const int left = timeouts.ConnectMs - millisecondsSince(start);
        if (left <= 0) {
            break;
        }
        const Descriptor fd(
            ::socket(a->ai_family, a->ai_socktype | SOCK_NONBLOCK | SOCK_CLOEXEC, a->ai_protocol));
        if (!fd) {
            last = failed(PrintFailure::Unreachable, 0, errno);
            continue;
        }
        int error = 0;
        if (::connect(fd.get(), a->ai_addr, a->ai_addrlen) != 0) {
            error = errno;
            if (error == EINPROGRESS) {
                error = ETIMEDOUT;
                if (waitWritable(fd.get(), left)) {
                    socklen_t length = sizeof error;
                    if (::getsockopt(fd.get(), SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
                        error = errno;
                    }
                }
            }
        }
        if (error != 0) {
            last = failed(connectFailure(error), 0, error);
            continue;
        }
        PrintOutcome out = writeAll(fd.get(), job, timeouts.StallMs, true);
        return out.ok() ? drain(fd.get(), out.BytesSent, timeouts.StallMs) : out;
    }
    return last;
}

PrintOutcome sendToDevice(const PrinterAddress& printer, std::string_view job,
                          const PrinterTimeouts& timeouts) {
    const SigpipeHeld held;
    const Descriptor fd(
        ::open(printer.Device.c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    if (!fd) {
        const int error = errno;
        switch (error) {
            case ENOENT:
                return failed(PrintFailure::NoDevice, 0, error);
            case ENXIO:  // a pipe without reader, a device without its hardware
            case ENODEV:
            case EHOSTDOWN:
            case EIO:
            case EAGAIN:
                return failed(PrintFailure::NoAnswer, 0, error);
            default:
                return failed(PrintFailure::DeviceRefused, 0, error);
        }
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || S_ISREG(st.st_mode)) {
        // A plain file would be overwritten from its start: the setting names a device.
        return {PrintFailure::DeviceRefused, 0, "not a device"};
    }
    const bool terminal = ::isatty(fd.get()) != 0;
    if (terminal) {
        // Raw: a terminal would otherwise turn every byte 10 of the picture into 13 10.
        termios mode{};
        if (::tcgetattr(fd.get(), &mode) != 0) {
            return failed(PrintFailure::DeviceRefused, 0, errno);
        }
        ::cfmakeraw(&mode);
        if (::tcsetattr(fd.get(), TCSANOW, &mode) != 0) {
            return failed(PrintFailure::DeviceRefused, 0, errno);
        }
    }
    PrintOutcome out;
    if (!waitWritable(fd.get(), timeouts.ConnectMs)) {
        out = failed(PrintFailure::NoAnswer, 0, ETIMEDOUT);
    } else {
        out = writeAll(fd.get(), job, timeouts.StallMs, false);
        if (out.ok() && terminal) {
            out = drain(fd.get(), out.BytesSent, timeouts.StallMs);
        }
    }
    if (!out.ok() && terminal) {
        // Bytes that can no longer leave would hold up the close for the terminal's
        // closing wait (up to 30 seconds).
        ::tcflush(fd.get(), TCOFLUSH);
    }
    return out;
}

}  // namespace

std::optional<PrinterAddress> parsePrinterAddress(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r')) {
        text.remove_suffix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    PrinterAddress address;
    if (text.front() == '/') {
        address.Device = std::string(text);
        return address;
    }
    std::string_view host = text;
    std::string_view port;
    if (text.front() == '[') {  // [IPv6] or [IPv6]:port
        const auto close = text.find(']');
        if (close == std::string_view::npos) {
            return std::nullopt;
        }
        host = text.substr(1, close - 1);
        const std::string_view rest = text.substr(close + 1);
        if (!rest.empty()) {
            if (rest.front() != ':') {
                return std::nullopt;
            }
            port = rest.substr(1);
            if (port.empty()) {
                return std::nullopt;
            }
        }
    } else if (const auto colon = text.find(':');
               colon != std::string_view::npos &&
               text.find(':', colon + 1) == std::string_view::npos) {
        host = text.substr(0, colon);
        port = text.substr(colon + 1);
        if (port.empty()) {
            return std::nullopt;
        }
    }
    if (host.empty() || host.find_first_of(" \t/\\[]") != std::string_view::npos) {
        return std::nullopt;
    }
    if (!port.empty()) {
        if (port.size() > 5 || port.find_first_not_of("0123456789") != std::string_view::npos) {
            return std::nullopt;
        }
        const int number = std::stoi(std::string(port));
        if (number < 1 || number > 65535) {
            return std::nullopt;
        }
        address.Port = number;
    }
    address.Host = std::string(host);
    return address;
}

PrintOutcome sendToPrinter(const PrinterAddress& printer, std::string_view job,
                           const PrinterTimeouts& timeouts) {
    return printer.Device.empty() ? sendOverTcp(printer, job, timeouts)
                                  : sendToDevice(printer, job, timeouts);
}

}  // namespace kelvo
