#pragma once

#include <string>
#include <string_view>

// The device folders and files that the program and the back office share.
namespace kelvo {

inline constexpr const char* kImportFolder = "\\My Documents\\Before Departure\\";
inline constexpr const char* kExportFolder = "\\My Documents\\After Arrival\\";
inline constexpr const char* kDepartureMarker = "ZZDepartureCheck.xml";
inline constexpr const char* kArrivalMarker = "ZZArrivalCheck.xml";
// The driver's receipts and day recaps (PDF). Not a transfer folder: the back office never
// sees them.
inline constexpr const char* kReceiptsFolder = "\\My Documents\\Receipts\\";
inline constexpr const char* kProgramPath = "\\Program Files\\Kelvo\\Kelvo.exe";

// "" for the device root (empty storage location), else "\" + storage location.
std::string dataRoot(std::string_view storageLocation);

// data root + "\VexXml\": the folder of every working file.
std::string dataFolder(std::string_view storageLocation);

// data root + "\VexXml\Exported\": the copy of the last export.
std::string exportCopyFolder(std::string_view storageLocation);

}  // namespace kelvo
