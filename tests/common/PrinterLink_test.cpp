#include "common/PrinterLink.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "support/PrinterListener.h"

using namespace kelvo;
using test::PrinterListener;

namespace {

// A job of this many bytes holding every byte value, line feeds among them.
std::string jobOf(std::size_t size) {
    std::string job(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        job[i] = static_cast<char>((i * 7 + i / 256) & 0xff);
    }
    return job;
}

PrinterAddress local(int port) {
    PrinterAddress a;
    a.Host = "127.0.0.1";
    a.Port = port;
    return a;
}

// Runs `send` and says how long it took (the figures the report of the test run shows).
template <class Send>
PrintOutcome timed(const char* what, Send send) {
    const auto start = std::chrono::steady_clock::now();
    PrintOutcome out = send();
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start)
                        .count();
    std::printf("[ timing   ] %s: %lld ms, %zu bytes sent, %s\n", what, static_cast<long long>(ms),
                out.BytesSent, out.Detail.c_str());
    // Far above what it takes; only a hang is a fault here.
    EXPECT_LT(ms, 20000) << what;
    return out;
}

// The far end of a pseudo-terminal: the printer end of a serial line such as /dev/rfcomm0.
struct SerialLine {
    int master = -1;
    std::string device;
    SerialLine() {
        master = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0) {
            device = ::ptsname(master);
        }
    }
    ~SerialLine() {
        if (master >= 0) {
            ::close(master);
        }
    }
    // Reads until `size` bytes have come or nothing came for a second; closes the line after
    // `hangUpAfter` bytes.
    std::string read(std::size_t size, std::size_t hangUpAfter = SIZE_MAX) {
        std::string bytes;
        char buffer[4096];
        while (bytes.size() < size && bytes.size() < hangUpAfter) {
            pollfd p{master, POLLIN, 0};
            if (::poll(&p, 1, 1000) <= 0) {
                break;
            }
            const ssize_t n =
                ::read(master, buffer, std::min(sizeof buffer, hangUpAfter - bytes.size()));
            if (n <= 0) {
                break;
            }
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        if (bytes.size() >= hangUpAfter) {
            ::close(master);
            master = -1;
        }
        return bytes;
    }
};

}  // namespace

// What the properties file may name: a host with or without its port, an IPv6 address in
// brackets, a device file. Anything else names no printer.
TEST(PrinterLink, Addresses) {
    struct Good {
        const char* text;
        const char* host;
        int port;
        const char* device;
    };
    for (const Good& g :
         {Good{" 192.168.1.40:9101 ", "192.168.1.40", 9101, ""},
          Good{"printer.local", "printer.local", 9100, ""},
          Good{"[fe80::1]:9100", "fe80::1", 9100, ""}, Good{"fe80::1", "fe80::1", 9100, ""},
          Good{"/dev/rfcomm0\r", "", 9100, "/dev/rfcomm0"}}) {
        const auto a = parsePrinterAddress(g.text);
        ASSERT_TRUE(a) << g.text;
        EXPECT_EQ(a->Host, g.host);
        EXPECT_EQ(a->Port, g.port);
        EXPECT_EQ(a->Device, g.device);
    }

    for (const char* bad :
         {"", "  ", "host:", "host:0", "host:65536", "host:91OO", "host:123456", ":9100",
          "[fe80::1", "[fe80::1]9100", "[]:9100", "dev/rfcomm0", "two words", "a\\b:9100"}) {
        EXPECT_FALSE(parsePrinterAddress(bad)) << bad;
    }
}

// A network printer gets every byte of a job as it was sent, and another job after it.
TEST(PrinterLink, TheWholeJobReachesANetworkPrinter) {
    PrinterListener printer;
    const std::string job = jobOf(300000);
    for (int round = 1; round <= 2; ++round) {
        const PrintOutcome out = timed("300 KB to a listener",
                                       [&] { return sendToPrinter(local(printer.port()), job); });
        ASSERT_TRUE(out.ok()) << out.Detail;
        EXPECT_EQ(out.BytesSent, job.size());
        EXPECT_TRUE(printer.job() == job);
        EXPECT_EQ(printer.connections(), round);
    }
}

// A port where nothing listens refuses at once; a printer that hangs up in the middle of a
// job, and one that stops taking bytes, are each told within a few seconds with how far the
// job got.
TEST(PrinterLink, APrinterThatRefusesHangsUpOrStops) {
    const std::string job = jobOf(200000);
    PrintOutcome out =
        timed("closed port", [&] { return sendToPrinter(local(test::closedPort()), job); });
    EXPECT_EQ(out.Failure, PrintFailure::Refused);
    EXPECT_EQ(out.BytesSent, 0u);

    PrinterListener hangsUp(PrinterListener::Mode::HangUp, 5000);
    out = timed("hang-up after 5,000 bytes",
                [&] { return sendToPrinter(local(hangsUp.port()), job); });
    EXPECT_EQ(out.Failure, PrintFailure::Lost);
    EXPECT_LT(out.BytesSent, job.size());
    EXPECT_EQ(hangsUp.job().size(), 5000u);

    // The stall time shortened from its 5 seconds, as the connect time below: the test is of
    // the giving up, not of the wait.
    PrinterListener stops(PrinterListener::Mode::NeverRead);
    out = timed("printer that reads nothing (stall time 1 s)", [&] {
        return sendToPrinter(local(stops.port()), job, {1000, 1000});
    });
    EXPECT_EQ(out.Failure, PrintFailure::Stalled);
    EXPECT_LT(out.BytesSent, job.size());
}

// A printer whose connection queue is full never answers: the connect gives up after the
// connect time.
TEST(PrinterLink, APrinterThatDoesNotAnswer) {
    int port = 0;
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), length), 0);
    ASSERT_EQ(::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length), 0);
    port = ntohs(address.sin_port);
    ASSERT_EQ(::listen(fd, 0), 0);  // one waiting connection fills the queue; it never accepts
    const int first = ::socket(AF_INET, SOCK_STREAM, 0);
    ASSERT_EQ(::connect(first, reinterpret_cast<sockaddr*>(&address), length), 0);

    const PrintOutcome out = timed("full connection queue (connect time 1 s)", [&] {
        return sendToPrinter(local(port), jobOf(1000), {1000, 1000});
    });
    EXPECT_EQ(out.Failure, PrintFailure::NoAnswer);
    ::close(first);
    ::close(fd);
}

// A serial line carries every byte untouched (a terminal would turn line feeds into CR LF);
// a line whose far end goes away in the middle, a device that is not there and a plain file
// are each told.
TEST(PrinterLink, ASerialPrinter) {
    const std::string job = jobOf(100000);
    {
        SerialLine line;
        ASSERT_FALSE(line.device.empty());
        PrinterAddress printer;
        printer.Device = line.device;
        std::string got;
        std::thread reader([&] { got = line.read(job.size()); });
        const PrintOutcome out =
            timed("100 KB over a pseudo-terminal", [&] { return sendToPrinter(printer, job); });
        reader.join();
        EXPECT_TRUE(out.ok()) << out.Detail;
        EXPECT_EQ(got.size(), job.size());
        EXPECT_TRUE(got == job);
    }
    {
        SerialLine line;
        PrinterAddress printer;
        printer.Device = line.device;
        std::thread reader([&] { line.read(job.size(), 3000); });
        const PrintOutcome out = timed("pseudo-terminal closed after 3,000 bytes",
                                       [&] { return sendToPrinter(printer, job); });
        reader.join();
        EXPECT_EQ(out.Failure, PrintFailure::Lost);
        EXPECT_LT(out.BytesSent, job.size());
    }
    const auto folder =
        std::filesystem::temp_directory_path() / ("kelvo-printer-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    PrinterAddress missing;
    missing.Device = (folder / "rfcomm9").string();
    EXPECT_EQ(sendToPrinter(missing, job).Failure, PrintFailure::NoDevice);
    PrinterAddress plain;
    plain.Device = (folder / "plain").string();
    std::FILE* f = std::fopen(plain.Device.c_str(), "w");
    std::fclose(f);
    EXPECT_EQ(sendToPrinter(plain, job).Failure, PrintFailure::DeviceRefused);
    EXPECT_EQ(std::filesystem::file_size(plain.Device), 0u);

    // A pipe: without a reader nobody answers; a reader that goes away in the middle is a
    // lost printer, and the program lives on (no SIGPIPE).
    PrinterAddress pipe;
    pipe.Device = (folder / "pipe").string();
    ASSERT_EQ(::mkfifo(pipe.Device.c_str(), 0600), 0);
    EXPECT_EQ(sendToPrinter(pipe, job).Failure, PrintFailure::NoAnswer);
    const int reader = ::open(pipe.Device.c_str(), O_RDONLY | O_NONBLOCK);
    std::thread closer([reader] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ::close(reader);
    });
    const PrintOutcome out = sendToPrinter(pipe, job);
    closer.join();
    EXPECT_EQ(out.Failure, PrintFailure::Lost);
    std::filesystem::remove_all(folder);
}
