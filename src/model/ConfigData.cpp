#include "model/ConfigData.h"

#include <algorithm>
#include <cmath>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/Text.h"
#include "common/XmlReader.h"

namespace kelvo {

void ConfigData::SetRoot(const std::string& storageLocation) {
    m_DataRoot = dataRoot(storageLocation);
}

bool versionMatches(const std::string& fileVersion) {
    if (fileVersion == kAppVersion) {
        return true;
    }
    // Whole-number parts, truncated toward zero: 10.25 fits, 9.99 and 11.00 do not. They stay
    // doubles: a version such as "1e300" would not fit an integer type.
    return std::trunc(toDouble(fileVersion)) == std::trunc(toDouble(kAppVersion));
}

bool ConfigData::Load(const DeviceFs& fs) {
    XmlDocument doc;
    if (!doc.load(fs, m_DataRoot + "\\VexXml\\Config.xml") &&
        !doc.load(fs, std::string(kImportFolder) + "Config.xml")) {
        return false;
    }
    const XmlElement r = doc.root();
    m_FileVersion = r.text("FileVersion");
    m_PlantName = r.text("PlantName");
    m_PlantAddress = r.text("PlantAddress");
    m_PlantCity = r.text("PlantCity");
    m_PlantState = r.text("PlantState");
    m_PlantZip = r.text("PlantZip");
    m_PriceDecimals = static_cast<std::int16_t>(r.whole("PriceDecimals"));
    m_RouteManNumber = r.whole("RouteManNumber");
    m_RouteManName = r.text("RouteManName");
    m_TruckCode = r.text("TruckCode");
    m_TruckDescription = r.text("TruckDescription");
    m_PlantNumber = r.text("PlantNumber");
    m_AllowAdjustmentDelQty = r.flag("AllowAdjustmentDelQty");
    if (!versionMatches(m_FileVersion)) {
        return true;  // Start refuses these data with the version message
    }
    m_GarmentOrderingActive = r.flag("GarmentOrderingActive");
    m_WearerInventoryPrice = r.flag("WearerInventoryPrice");
    m_IDCodeLengths.clear();
    m_MaxIDCodeLength = 0;
    r.child("IDCodeLengths").forEachChild([this](const XmlElement& length) {
        const std::string text = length.ownText();
        m_IDCodeLengths += " " + text + ",";
        m_MaxIDCodeLength = std::max(m_MaxIDCodeLength, toWhole(text));
    });
    m_LaundryCode = r.text("LaundryCode");
    m_AllowInvoiceAdjust = r.flag("AllowInvoiceAdjust");
    m_VoiceRecording = r.flag("VoiceRecording");
    m_DefaultWearernr = r.whole("DefaultWearernr");
    return true;
}

}  // namespace kelvo
