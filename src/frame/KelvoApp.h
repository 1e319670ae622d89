#pragma once

#include <filesystem>
#include <memory>

#include "common/DeviceFs.h"

namespace kelvo {

class CKelvoDoc;
class CMainFrame;
class Clock;
class Prompter;

// The application object: it owns the device's file system, the message boxes, the clock,
// the document and the main window, and starts the start screen.
class CKelvoApp {
public:
    // The device root is a host folder; prompter and clock are Qt's and the system's in the
    // program, scripted and fixed in tests and scenarios.
    CKelvoApp(std::filesystem::path deviceRoot, std::unique_ptr<Prompter> prompter,
              std::unique_ptr<Clock> clock);
    ~CKelvoApp();

    // Creates and shows the main window with the start screen, in kiosk mode when asked (see
    // CMainFrame::setKiosk); false when it cannot be shown.
    bool InitInstance(bool kiosk = false);

    const DeviceFs& fs() const { return m_fs; }
    Prompter& prompter() const { return *m_prompter; }
    Clock& clock() const { return *m_clock; }
    CKelvoDoc& doc() const { return *m_doc; }
    // The main window (nullptr before InitInstance).
    CMainFrame* frame() const { return m_frame.get(); }

private:
    DeviceFs m_fs;
    std::unique_ptr<Prompter> m_prompter;
    std::unique_ptr<Clock> m_clock;
    std::unique_ptr<CKelvoDoc> m_doc;
    std::unique_ptr<CMainFrame> m_frame;
};

// Where the device root is when none is given: $KELVO_ROOT, else ~/.local/share/kelvo/device.
std::filesystem::path defaultDeviceRoot();

}  // namespace kelvo
