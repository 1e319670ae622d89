#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace kelvo {

class XmlElement;

// The totals of one route file without its stops: one entry of the route list, and the
// header of the current route.
class CRouteSummary {
public:
    // Route number.
    std::int32_t RouteNumber() const { return m_RouteNumber; }
    void SetRouteNumber(std::int32_t v) { m_RouteNumber = v; }
    // Route date "yyyyMMdd".
    const std::string& Date() const { return m_Date; }
    void SetDate(std::string v) { m_Date = std::move(v); }

    // Prebilled total of the route's invoices (Charge / COD column), as the host sent it.
    double PrebilledAmountCharge() const { return m_PrebilledAmountCharge; }
    void SetPrebilledAmountCharge(double v) { m_PrebilledAmountCharge = v; }
    double PrebilledAmountCOD() const { return m_PrebilledAmountCOD; }
    void SetPrebilledAmountCOD(double v) { m_PrebilledAmountCOD = v; }
    // Sums of the invoices' plus and minus adjustments, per column.
    double PlusAdjustmentsCharge() const { return m_PlusAdjustmentsCharge; }
    void SetPlusAdjustmentsCharge(double v) { m_PlusAdjustmentsCharge = v; }
    double PlusAdjustmentsCOD() const { return m_PlusAdjustmentsCOD; }
    void SetPlusAdjustmentsCOD(double v) { m_PlusAdjustmentsCOD = v; }
    double MinusAdjustmentsCharge() const { return m_MinusAdjustmentsCharge; }
    void SetMinusAdjustmentsCharge(double v) { m_MinusAdjustmentsCharge = v; }
    double MinusAdjustmentsCOD() const { return m_MinusAdjustmentsCOD; }
    void SetMinusAdjustmentsCOD(double v) { m_MinusAdjustmentsCOD = v; }
    // Amount of the invoices of undeliverable stops, per column.
    double TotalUndeliveredCharge() const { return m_TotalUndeliveredCharge; }
    void SetTotalUndeliveredCharge(double v) { m_TotalUndeliveredCharge = v; }
    double TotalUndeliveredCOD() const { return m_TotalUndeliveredCOD; }
    void SetTotalUndeliveredCOD(double v) { m_TotalUndeliveredCOD = v; }
    // Amount to be paid, per column.
    double PayThisAmountCharge() const { return m_PayThisAmountCharge; }
    void SetPayThisAmountCharge(double v) { m_PayThisAmountCharge = v; }
    double PayThisAmountCOD() const { return m_PayThisAmountCOD; }
    void SetPayThisAmountCOD(double v) { m_PayThisAmountCOD = v; }
    // Cash collected at settled invoices, per column.
    double TotalCollectionsCharge() const { return m_TotalCollectionsCharge; }
    void SetTotalCollectionsCharge(double v) { m_TotalCollectionsCharge = v; }
    double TotalCollectionsCOD() const { return m_TotalCollectionsCOD; }
    void SetTotalCollectionsCOD(double v) { m_TotalCollectionsCOD = v; }
    // Voucher amount typed by the driver.
    double VoucherAmount() const { return m_VoucherAmount; }
    void SetVoucherAmount(double v) { m_VoucherAmount = v; }

    // Number of stops, and of stops whose invoices are all signed.
    std::uint32_t TotalStops() const { return m_TotalStops; }
    void SetTotalStops(std::uint32_t v) { m_TotalStops = v; }
    std::uint32_t SettledStops() const { return m_SettledStops; }
    void SetSettledStops(std::uint32_t v) { m_SettledStops = v; }
    // Odometer at the start and at the end of the route (0 until then).
    double StartMileage() const { return m_StartMileage; }
    void SetStartMileage(double v) { m_StartMileage = v; }
    double EndMileage() const { return m_EndMileage; }
    void SetEndMileage(double v) { m_EndMileage = v; }
    // Remarks of the truck safety check.
    const std::string& SafetyRemarks() const { return m_SafetyRemarks; }
    void SetSafetyRemarks(std::string v) { m_SafetyRemarks = std::move(v); }

    // True when TotalStops is not greater than SettledStops (also for a route without stops).
    bool IsSettled() const { return m_TotalStops <= m_SettledStops; }
    // "Settled" when settled, else "<open stops> - <total stops>", e.g. "3 - 12".
    std::string Status() const;
    // Reads the route file's totals (the thirteen amounts, the stop counts and the mileages)
    // from its document element; the route and the route list both take them this way.
    void ReadTotals(const XmlElement& route);

    // Field by field.
    bool operator==(const CRouteSummary&) const = default;

protected:
    std::int32_t m_RouteNumber = 0;
    std::string m_Date;
    double m_PrebilledAmountCharge = 0.0;
    double m_PrebilledAmountCOD = 0.0;
    double m_PlusAdjustmentsCharge = 0.0;
    double m_PlusAdjustmentsCOD = 0.0;
    double m_MinusAdjustmentsCharge = 0.0;
    double m_MinusAdjustmentsCOD = 0.0;
    double m_TotalUndeliveredCharge = 0.0;
    double m_TotalUndeliveredCOD = 0.0;
    double m_PayThisAmountCharge = 0.0;
    double m_PayThisAmountCOD = 0.0;
    double m_TotalCollectionsCharge = 0.0;
    double m_TotalCollectionsCOD = 0.0;
    double m_VoucherAmount = 0.0;
    std::uint32_t m_TotalStops = 0;
    std::uint32_t m_SettledStops = 0;
    double m_StartMileage = 0.0;
    double m_EndMileage = 0.0;
    std::string m_SafetyRemarks;
};

}  // namespace kelvo
