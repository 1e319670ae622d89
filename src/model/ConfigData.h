#pragma once

#include <cstdint>
#include <string>

namespace kelvo {

class DeviceFs;

// Config.xml: the plant, the driver, the truck and the switches that tailor the program to
// one laundry. Read at every Start; the program never writes it.
class ConfigData {
public:
    // The data root becomes "" for an empty storage location, else "\" + storage location.
    void SetRoot(const std::string& storageLocation);

    // Reads data root + "\VexXml\Config.xml", else "\My Documents\Before Departure\Config.xml".
    // False when neither can be opened. A FileVersion whose whole-number part is not 10 stops
    // the reading after AllowAdjustmentDelQty (the later fields keep their values).
    bool Load(const DeviceFs& fs);

    const std::string& FileVersion() const { return m_FileVersion; }
    const std::string& PlantName() const { return m_PlantName; }
    const std::string& PlantAddress() const { return m_PlantAddress; }
    const std::string& PlantCity() const { return m_PlantCity; }
    const std::string& PlantState() const { return m_PlantState; }
    const std::string& PlantZip() const { return m_PlantZip; }
    std::int16_t PriceDecimals() const { return m_PriceDecimals; }
    std::int32_t RouteManNumber() const { return m_RouteManNumber; }
    const std::string& RouteManName() const { return m_RouteManName; }
    const std::string& TruckCode() const { return m_TruckCode; }
    const std::string& TruckDescription() const { return m_TruckDescription; }
    const std::string& PlantNumber() const { return m_PlantNumber; }
    char AllowAdjustmentDelQty() const { return m_AllowAdjustmentDelQty; }
    char GarmentOrderingActive() const { return m_GarmentOrderingActive; }
    char WearerInventoryPrice() const { return m_WearerInventoryPrice; }
    // True when the wearer screens show and ask for garment prices (WearerInventoryPrice 'Y').
    bool ShowsWearerPrices() const { return m_WearerInventoryPrice == 'Y'; }
    // The allowed garment code lengths as " 8, 10," and their maximum.
    const std::string& IDCodeLengths() const { return m_IDCodeLengths; }
    std::int32_t MaxIDCodeLength() const { return m_MaxIDCodeLength; }
    const std::string& LaundryCode() const { return m_LaundryCode; }
    char AllowInvoiceAdjust() const { return m_AllowInvoiceAdjust; }
    char VoiceRecording() const { return m_VoiceRecording; }
    std::int32_t DefaultWearernr() const { return m_DefaultWearernr; }
    // True for the laundry variant with trucks (LaundryCode "DUD", case-sensitive).
    bool IsDud() const { return m_LaundryCode == "DUD"; }
    // The data root the record reads from.
    const std::string& DataRoot() const { return m_DataRoot; }

private:
    std::string m_DataRoot;
    std::string m_FileVersion;
    std::string m_PlantName;
    std::string m_PlantAddress;
    std::string m_PlantCity;
    std::string m_PlantState;
    std::string m_PlantZip;
    std::int16_t m_PriceDecimals = 0;
    std::int32_t m_RouteManNumber = 0;
    std::string m_RouteManName;
    std::string m_TruckCode;
    std::string m_TruckDescription;
    std::string m_PlantNumber;
    char m_AllowAdjustmentDelQty = '\0';
    char m_GarmentOrderingActive = '\0';
    char m_WearerInventoryPrice = '\0';
    std::string m_IDCodeLengths;
    std::int32_t m_MaxIDCodeLength = 0;
    std::string m_LaundryCode;
    char m_AllowInvoiceAdjust = '\0';
    char m_VoiceRecording = '\0';
    std::int32_t m_DefaultWearernr = 0;
};

// The program's data version, compared with FileVersion at Start.
inline constexpr const char* kAppVersion = "10.00";

// True when a data version fits the program: exactly "10.00", or the same whole number.
bool versionMatches(const std::string& fileVersion);

}  // namespace kelvo
