#include "support/TempDevice.h"

#include <unistd.h>

#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

namespace kelvo::test {

namespace {

fs::path makeTempRoot() {
    std::string tmpl = (fs::temp_directory_path() / "kelvo-test-XXXXXX").string();
    if (::mkdtemp(tmpl.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary device root");
    }
    return tmpl;
}

}  // namespace

TempDevice::TempDevice() : m_fs(makeTempRoot()) {}

TempDevice::~TempDevice() {
    std::error_code ec;
    // Folders a test made read-only must be writable again before they can be removed.
    for (auto it = fs::recursive_directory_iterator(root(), ec); !ec && it != fs::end(it);
         it.increment(ec)) {
        fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
    }
    fs::remove_all(root(), ec);
}

void TempDevice::put(std::string_view devicePath, std::string_view content) const {
    const auto host = m_fs.hostPath(devicePath);
    if (!host) {
        throw std::runtime_error("refused device path");
    }
    fs::create_directories(host->parent_path());
    std::ofstream out(*host, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
}

void TempDevice::putFixture(std::string_view devicePath, const fs::path& hostFile) const {
    put(devicePath, readHostFile(hostFile));
}

void TempDevice::putFolder(std::string_view deviceFolder, const fs::path& hostFolder) const {
    for (const auto& entry : fs::directory_iterator(hostFolder)) {
        if (entry.is_regular_file()) {
            put(joinDevicePath(deviceFolder, entry.path().filename().string()),
                readHostFile(entry.path()));
        }
    }
}

std::string TempDevice::read(std::string_view devicePath) const {
    std::string out;
    m_fs.readFile(devicePath, out);
    return out;
}

std::size_t TempDevice::count(std::string_view deviceFolder) const {
    return m_fs.listFiles(deviceFolder, "*.*").size();
}

std::string readHostFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

fs::path fixture(std::string_view name) {
    return fs::path(KELVO_TEST_DATA) / std::string(name);
}

}  // namespace kelvo::test
