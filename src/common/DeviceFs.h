#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

// A change the program makes to the host's files.
enum class FsChange { Create, Write, Rename, Remove };

// Asked before every change: false makes it fail. bytes: the bytes a Write adds.
using FsFaultHook =
    std::function<bool(FsChange change, const std::filesystem::path& hostPath, std::size_t bytes)>;

// The handheld's file system, played by a host folder (the device root).
//
// Code keeps the device's own paths: backslash separators, "\" at the root, names in
// ISO-8859-1. Only this class turns them into host paths. Name look-ups and wildcards are
// case-insensitive, as on the device. A path that would leave the device root (a ".."
// component, or a "/" hidden in a name) is refused: every operation on it fails.
// Failures are reported through return values, never exceptions.
class DeviceFs {
public:
    // Device paths below `root` (a host folder; created when missing).
    explicit DeviceFs(std::filesystem::path root);

    // The host folder that plays the device root.
    const std::filesystem::path& root() const { return m_root; }

    // Lets another host folder play a device folder (such as "\VexXml"): every path below it
    // goes there. The day check reads an import folder as the data folder this way.
    void mapFolder(std::string_view deviceFolder, std::filesystem::path hostFolder);

    // Host path of a device path, each existing component matched case-insensitively;
    // nullopt for a path that is refused.
    std::optional<std::filesystem::path> hostPath(std::string_view devicePath) const;

    // True when the device path names an existing regular file / folder. A link is neither,
    // whatever it points to: every file the program takes is a regular file of the device.
    bool isFile(std::string_view devicePath) const;
    bool isFolder(std::string_view devicePath) const;

    // Names of the regular files in a device folder whose names match the wildcard pattern
    // ("*" and "?", case-insensitive; "*.*" matches every file), sorted case-insensitively.
    // Host artefacts whose names start with "." are not device files and are never listed;
    // neither are links, devices, pipes and folders (see listNonFiles).
    std::vector<std::string> listFiles(std::string_view folder,
                                       std::string_view pattern = "*") const;

    // Names of the entries of a device folder that are no regular files: links (to a file
    // too), devices, pipes, sockets and folders, sorted as listFiles sorts. Names starting with
    // "." are left out as there.
    std::vector<std::string> listNonFiles(std::string_view folder) const;

    // Names of the regular files in a device folder larger than kMaxFileBytes, which no reader
    // takes, sorted as listFiles sorts.
    std::vector<std::string> listLargeFiles(std::string_view folder) const;

    // Names of the storage cards: folders directly under the root holding ".storage-card".
    std::vector<std::string> storageCards() const;

    // Reads a whole file into `out`; false when it is missing, no regular file (a link is not
    // followed), unreadable or larger than maxBytes (out is then left empty).
    bool readFile(std::string_view devicePath, std::string& out,
                  std::size_t maxBytes = kMaxFileBytes) const;

    // Creates a folder and its parents; true when it exists afterwards.
    bool createFolder(std::string_view devicePath) const;
    // Copies a file; with overwrite false an existing target makes it fail. The target is then
    // the complete copy, or as it was (copyFileAtomic): a full card keeps no half file.
    bool copyFile(std::string_view from, std::string_view to, bool overwrite) const;
    // Moves a file; an existing target is replaced only with overwrite (else the move fails).
    // Between folders of different file systems (a storage card) the file is copied
    // completely first and only then deleted at its old place.
    bool moveFile(std::string_view from, std::string_view to, bool overwrite = false) const;
    // Deletes a file; true when it is gone afterwards.
    bool removeFile(std::string_view devicePath) const;

    // Moves a regular file between two host paths below the root that the caller resolved
    // (HostFolder), as moveFile moves it; an existing target is replaced.
    bool moveHostFile(const std::filesystem::path& from, const std::filesystem::path& to) const;

    // Largest file the readers accept (a bigger one is treated as unreadable, before it is
    // parsed). A route of a thousand stops takes some 2 MB, a large customer's wearers less.
    static constexpr std::size_t kMaxFileBytes = 16u * 1024u * 1024u;

    // True when a device name matches a wildcard pattern (case-insensitive).
    static bool matches(std::string_view name, std::string_view pattern);

    // Fault injection for tests: the hook is asked before every change this file system (and
    // FileWriter through it) makes, and can make it fail as a full disk, a read-only folder or
    // a removed card would. An empty hook allows everything.
    void setFaultHook(FsFaultHook hook) const { m_faultHook = std::move(hook); }
    // True when the hook (if any) allows the change.
    bool allows(FsChange change, const std::filesystem::path& hostPath, std::size_t bytes) const {
        return !m_faultHook || m_faultHook(change, hostPath, bytes);
    }

private:
    // A device folder (its components) played by another host folder.
    struct Mapping {
        std::vector<std::string> parts;
        std::filesystem::path host;
    };

    std::filesystem::path m_root;
    std::vector<Mapping> m_mappings;
    mutable FsFaultHook m_faultHook;
};

// Opens a host file for reading when it is a regular file: a link is not followed, a device or a
// pipe is not opened for real. Returns the descriptor, or -1.
int openRegularFile(const std::filesystem::path& hostPath);

// Joins a device folder ending in "\" (or not) and a file name.
std::string joinDevicePath(std::string_view folder, std::string_view name);

}  // namespace kelvo
