#include "common/DeviceFs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <span>
#include <system_error>

#include "common/FileWriter.h"
#include "common/Text.h"

namespace fs = std::filesystem;

namespace kelvo {

namespace {

// The components of a device path; false when one of them would leave the root.
bool splitDevicePath(std::string_view path, std::vector<std::string>& parts) {
    parts.clear();
    std::string current;
    auto flush = [&]() -> bool {
        if (current.empty() || current == ".") {
            current.clear();
            return true;
        }
        if (current == "..") {
            return false;
        }
        parts.push_back(latin1ToUtf8(current));
        current.clear();
        return true;
    };
    for (char c : path) {
        if (c == '\\') {
            if (!flush()) {
                return false;
            }
        } else if (c == '/' || c == '\0') {
            return false;  // a separator of the host hidden in a device name
        } else {
            current.push_back(c);
        }
    }
    return flush();
}

std::string hostNameToDevice(const fs::path& name) {
    return utf8ToLatin1(name.filename().string());
}

bool lessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(foldCase(x)) < static_cast<unsigned char>(foldCase(y));
    });
}

bool matchFrom(std::string_view name, std::string_view pattern) {
    // Iterative wildcard match with backtracking on the last '*'.
    std::size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    // A '*' in the pattern is always a wildcard, also where the name holds a '*' itself.
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (p < pattern.size() &&
                   (pattern[p] == '?' || foldCase(pattern[p]) == foldCase(name[n]))) {
            ++n;
            ++p;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

}  // namespace

DeviceFs::DeviceFs(fs::path root) : m_root(std::move(root)) {
    std::error_code ec;
    fs::create_directories(m_root, ec);
}

void DeviceFs::mapFolder(std::string_view deviceFolder, fs::path hostFolder) {
    Mapping m;
    if (splitDevicePath(deviceFolder, m.parts)) {
        m.host = std::move(hostFolder);
        m_mappings.push_back(std::move(m));
    }
}

std::optional<fs::path> DeviceFs::hostPath(std::string_view devicePath) const {
    std::vector<std::string> parts;
    if (!splitDevicePath(devicePath, parts)) {
        return std::nullopt;
    }
    fs::path host = m_root;
    std::size_t first = 0;
    for (const Mapping& m : m_mappings) {
        if (m.parts.size() <= parts.size() &&
            std::equal(m.parts.begin(), m.parts.end(), parts.begin(),
                       [](const std::string& a, const std::string& b) {
                           return equalsNoCase(utf8ToLatin1(a), utf8ToLatin1(b));
                       })) {
            host = m.host;
            first = m.parts.size();
            break;
        }
    }
    bool exists = true;
    for (const std::string& part : std::span(parts).subspan(first)) {
        fs::path exact = host / part;
        std::error_code ec;
        if (!exists || fs::exists(fs::symlink_status(exact, ec))) {
            host = std::move(exact);
            continue;
        }
        // Look for the same name in another case, as the device would find it.
        const std::string wanted = utf8ToLatin1(part);
        bool found = false;
        for (fs::directory_iterator it(host, ec), end; !ec && it != end; it.increment(ec)) {
            if (equalsNoCase(hostNameToDevice(it->path()), wanted)) {
                host = it->path();
                found = true;
                break;
            }
        }
        if (!found) {
            host = std::move(exact);
            exists = false;
        }
    }
    return host;
}

bool DeviceFs::isFile(std::string_view devicePath) const {
    auto p = hostPath(devicePath);
    std::error_code ec;
    return p && fs::is_regular_file(fs::symlink_status(*p, ec));
}

bool DeviceFs::isFolder(std::string_view devicePath) const {
    auto p = hostPath(devicePath);
    std::error_code ec;
    return p && fs::is_directory(*p, ec);
}

bool DeviceFs::matches(std::string_view name, std::string_view pattern) {
    if (pattern == "*.*") {
        return true;  // the device's "every file", also names without a dot
    }
    return matchFrom(name, pattern);
}

namespace {

// The device names of the entries of a host folder that `keep(entry, name)` accepts, sorted
// case-insensitively; host artefacts (names starting with ".") are never device entries.
template <class Keep>
std::vector<std::string> listEntries(const std::optional<fs::path>& dir, Keep keep) {
    std::vector<std::string> names;
    if (!dir) {
        return names;
    }
    std::error_code ec;
    for (fs::directory_iterator it(*dir, ec), end; !ec && it != end; it.increment(ec)) {
        std::string name = hostNameToDevice(it->path());
        if (!name.empty() && name.front() != '.' && keep(*it, name)) {
            names.push_back(std::move(name));
        }
    }
    std::sort(names.begin(), names.end(), lessNoCase);
    return names;
}

// True for a regular file itself: a link to one is no file of the device. Asked in this order,
// both answers come from the folder's listing: a file costs no call of its own.
bool isRegularEntry(const fs::directory_entry& entry) {
    std::error_code ec;
    return !entry.is_symlink(ec) && entry.is_regular_file(ec);
}

}  // namespace

std::vector<std::string> DeviceFs::listFiles(std::string_view folder,
                                             std::string_view pattern) const {
    return listEntries(hostPath(folder),
                       [&](const fs::directory_entry& entry, const std::string& name) {
                           return isRegularEntry(entry) && matches(name, pattern);
                       });
}

std::vector<std::string> DeviceFs::listNonFiles(std::string_view folder) const {
    return listEntries(hostPath(folder), [](const fs::directory_entry& entry, const std::string&) {
        return !isRegularEntry(entry);
    });
}

std::vector<std::string> DeviceFs::listLargeFiles(std::string_view folder) const {
    return listEntries(hostPath(folder), [](const fs::directory_entry& entry, const std::string&) {
        std::error_code ec;
        return isRegularEntry(entry) && entry.file_size(ec) > kMaxFileBytes && !ec;
    });
}

std::vector<std::string> DeviceFs::storageCards() const {
    std::vector<std::string> cards;
    std::error_code ec;
    for (fs::directory_iterator it(m_root, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code sec;
        if (it->is_directory(sec) && fs::is_regular_file(it->path() / ".storage-card", sec)) {
            cards.push_back(hostNameToDevice(it->path()));
        }
    }
    std::sort(cards.begin(), cards.end(), lessNoCase);
    return cards;
}

bool DeviceFs::readFile(std::string_view devicePath, std::string& out, std::size_t maxBytes) const {
    out.clear();
    auto p = hostPath(devicePath);
    if (!p) {
        return false;
    }
    // The kind is checked on what was opened, so a link put in the file's place between a
    // check and the open cannot slip another file in.
    const int fd = openRegularFile(*p);
    if (fd < 0) {
        return false;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && static_cast<std::uintmax_t>(st.st_size) <= maxBytes;
    if (ok) {
        out.resize(static_cast<std::size_t>(st.st_size));
        std::size_t got = 0;
        while (got < out.size()) {
            const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                ok = n == 0;  // a file that shrank meanwhile: what was there
                break;
            }
            got += static_cast<std::size_t>(n);
        }
        out.resize(got);
    }
    ::close(fd);
    if (!ok) {
        out.clear();
    }
    return ok;
}

bool DeviceFs::createFolder(std::string_view devicePath) const {
    auto p = hostPath(devicePath);
    if (!p) {
        return false;
    }
    std::error_code ec;
    if (!fs::is_directory(*p, ec) && allows(FsChange::Create, *p, 0)) {
        fs::create_directories(*p, ec);
    }
    return fs::is_directory(*p, ec);
}

bool DeviceFs::copyFile(std::string_view from, std::string_view to, bool overwrite) const {
    auto src = hostPath(from);
    auto dst = hostPath(to);
    std::error_code ec;
    if (!src || !dst || !fs::is_regular_file(fs::symlink_status(*src, ec)) ||
        (!overwrite && fs::exists(fs::symlink_status(*dst, ec)))) {
        return false;
    }
    return copyFileAtomic(*this, *src, *dst);
}

bool DeviceFs::moveFile(std::string_view from, std::string_view to, bool overwrite) const {
    auto src = hostPath(from);
    auto dst = hostPath(to);
    std::error_code ec;
    if (!src || !dst || (!overwrite && fs::exists(fs::symlink_status(*dst, ec)))) {
        return false;
    }
    return moveHostFile(*src, *dst);
}

bool DeviceFs::moveHostFile(const fs::path& from, const fs::path& to) const {
    std::error_code ec;
    if (!fs::is_regular_file(fs::symlink_status(from, ec)) || !allows(FsChange::Rename, to, 0)) {
        return false;
    }
    fs::rename(from, to, ec);
    if (!ec) {
        return true;
    }
    // Another file system (a storage card): a complete copy first, then the source goes.
    return copyFileAtomic(*this, from, to) && allows(FsChange::Remove, from, 0) &&
           fs::remove(from, ec);
}

bool DeviceFs::removeFile(std::string_view devicePath) const {
    auto p = hostPath(devicePath);
    std::error_code ec;
    if (!p) {
        return false;
    }
    const fs::file_status status = fs::symlink_status(*p, ec);
    if (!fs::is_regular_file(status)) {
        return !fs::exists(status);
    }
    return allows(FsChange::Remove, *p, 0) && fs::remove(*p, ec);
}

int openRegularFile(const fs::path& hostPath) {
    struct stat st {};
    if (::lstat(hostPath.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        return -1;  // never opened: opening a device can already do something
    }
    const int fd = ::open(hostPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return -1;
    }
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    // O_NONBLOCK only kept a pipe or a device from blocking the open.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

std::string joinDevicePath(std::string_view folder, std::string_view name) {
    std::string out(folder);
    if (out.empty() || out.back() != '\\') {
        out.push_back('\\');
    }
    out.append(name);
    return out;
}

}  // namespace kelvo
