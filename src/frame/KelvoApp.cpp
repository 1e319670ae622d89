#include "frame/KelvoApp.h"

#include <cstdlib>

#include "common/Clock.h"
#include "common/Prompter.h"
#include "doc/KelvoDoc.h"
#include "frame/MainFrame.h"
#include "frame/ViewFactory.h"

namespace kelvo {

CKelvoApp::CKelvoApp(std::filesystem::path deviceRoot, std::unique_ptr<Prompter> prompter,
                     std::unique_ptr<Clock> clock)
    : m_fs(std::move(deviceRoot)),
      m_prompter(std::move(prompter)),
      m_clock(std::move(clock)),
      m_doc(std::make_unique<CKelvoDoc>(m_fs, *m_prompter, *m_clock)) {}

CKelvoApp::~CKelvoApp() = default;

bool CKelvoApp::InitInstance(bool kiosk) {
    m_frame = std::make_unique<CMainFrame>(*m_doc, &createView);
    m_frame->setKiosk(kiosk);
    m_frame->show();
    return m_frame->showScreen(screen::Start);
}

std::filesystem::path defaultDeviceRoot() {
    if (const char* env = std::getenv("KELVO_ROOT"); env && *env) {
        return env;
    }
    const char* home = std::getenv("HOME");
    return std::filesystem::path(home && *home ? home : ".") / ".local/share/kelvo/device";
}

}  // namespace kelvo
