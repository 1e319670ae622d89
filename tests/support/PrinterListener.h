#pragma once

#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>

namespace kelvo::test {

// A network receipt printer on 127.0.0.1 for tests: it listens on a free port and, in a
// thread of its own, takes one connection after another and does with each what it is told.
class PrinterListener {
public:
    enum class Mode {
        Collect,   // reads until the sender closes, keeping every byte
        HangUp,    // reads `hangUpAfter` bytes, then closes the connection
        NeverRead  // holds the connection and reads nothing
    };

    explicit PrinterListener(Mode mode = Mode::Collect, std::size_t hangUpAfter = 0);
    ~PrinterListener();
    PrinterListener(const PrinterListener&) = delete;
    PrinterListener& operator=(const PrinterListener&) = delete;

    int port() const { return m_port; }
    // The bytes of the last connection, once it has ended (waits up to 10 s for that).
    std::string job();
    // Connections taken so far.
    int connections() const { return m_connections; }

private:
    void serve();

    Mode m_mode;
    std::size_t m_hangUpAfter;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop{false};
    std::atomic<int> m_connections{0};
    std::mutex m_mutex;
    std::condition_variable m_ended;
    bool m_done = false;
    std::string m_job;
    std::thread m_thread;
};

// A port on 127.0.0.1 where nothing listens.
int closedPort();

}  // namespace kelvo::test
