#include "common/HostFolder.h"

#include <system_error>

#include "common/DeviceFs.h"
#include "common/Text.h"

namespace kelvo {

namespace fs = std::filesystem;

HostFolder::HostFolder(const DeviceFs& dfs, std::string_view deviceFolder) {
    const auto host = dfs.hostPath(deviceFolder);
    if (!host) {
        return;
    }
    m_valid = true;
    m_path = *host;
    std::error_code ec;
    for (fs::directory_iterator it(m_path, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string hostName = it->path().filename().string();
        m_names.emplace(key(utf8ToLatin1(hostName)), hostName);
    }
}

std::string HostFolder::key(std::string_view name) {
    std::string folded(name);
    for (char& c : folded) {
        c = foldCase(c);
    }
    return folded;
}

fs::path HostFolder::pathOf(std::string_view name) const {
    const auto found = m_names.find(key(name));
    return m_path / (found != m_names.end() ? found->second : latin1ToUtf8(name));
}

bool HostFolder::holds(std::string_view name) const {
    return m_names.count(key(name)) > 0;
}

void HostFolder::added(std::string_view name) {
    m_names.emplace(key(name), pathOf(name).filename().string());
}

void HostFolder::removed(std::string_view name) {
    m_names.erase(key(name));
}

}  // namespace kelvo
