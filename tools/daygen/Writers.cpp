#include "daygen/Writers.h"

#include "daygen/MasterData.h"
#include "daygen/XmlText.h"

namespace daygen {

namespace {

struct Totals {
    Cents Charge = 0, COD = 0;
    unsigned Settled = 0;
};

Totals routeTotals(const Route& r, const std::map<long long, Invoice>& invoices) {
    Totals t;
    for (const auto& s : r.Stops) {
        if (s.Invoices.empty())
            ++t.Settled;
        for (const auto& n : s.Invoices) {
            const Invoice& inv = invoices.at(std::stoll(n));
            (inv.COD == 'Y' ? t.COD : t.Charge) += inv.prebilled();
        }
    }
    return t;
}

std::string stopXml(const Stop& s, const std::map<long long, Invoice>& invoices) {
    Cents payTotal = 0;
    for (const auto& n : s.Invoices)
        payTotal += invoices.at(std::stoll(n)).prebilled();
    auto line = [](const char* tag, const std::string& value) {
        return format("\r\n\t\t\t<%s>%s</%s>", tag, value.c_str(), tag);
    };
    std::string x = "\r\n\t\t<Stop>";
    x += line("StopID", esc(s.StopID));
    x += line("StopNumber", format("%d", static_cast<int>(s.StopNumber)));
    x += line("CustID", format("%.0f", static_cast<double>(s.Cust.CustID)));
    x += line("CustomerNumber", format("%.0f", static_cast<double>(s.Cust.CustomerNumber)));
    x += line("CustomerName", esc(s.Cust.Name));
    x += line("CustomerAddress1", esc(s.Cust.Address1));
    x += line("CustomerAddress2", esc(s.Cust.Address2));
    x += line("CustomerCity", esc(s.Cust.City));
    x += line("CustomerState", esc(s.Cust.State));
    x += line("CustomerZipcode", esc(s.Cust.Zipcode));
    x += line("ContactPersonName", esc(s.Cust.ContactName));
    x += line("ContactPersonPhone", esc(s.Cust.Phone));
    x += line("ContactPersonMobile", esc(s.Cust.Mobile));
    x += line("DeliveryInstructions", esc(s.DeliveryInstructions));
    x += line("DrivingInstructions", esc(s.DrivingInstructions));
    x += line("UndeliverReasonCode", "");
    x += line("ArrivalTime", "00:00");
    x += line("DepartureTime", "00:00");
    x += line("TravelMinutes", "0");
    x += line("VisitMinutes", "0");
    x += line("PayTotal", format("%.2f", dollars(payTotal)));
    x += line("TotalCashCollected", format("%.2f", 0.0));
    x += line("SatisfactionSurvey", format("%c", s.SatisfactionSurvey));
    x += line("SignatureRequired", format("%c", s.SignatureRequired));
    x += line("AgingCurrent", format("%.2f", dollars(s.AgingCurrent)));
    x += line("Aging30", format("%.2f", dollars(s.Aging30)));
    x += line("Aging60", format("%.2f", dollars(s.Aging60)));
    x += line("Aging90", format("%.2f", dollars(s.Aging90)));
    x += line("OpenCredit", format("%.2f", dollars(s.OpenCredit)));
    x += line("LastPaymentDate", esc(s.LastPaymentDate));
    x += line("LastPaymentNumber", esc(s.LastPaymentNumber));
    x += line("LastPaymentAmount", format("%.2f", dollars(s.LastPaymentAmount)));
    x += line("LockerManagement", format("%c", s.LockerManagement));
    x += "\r\n\t\t\t<ContactPersons>";
    for (const auto& p : s.ContactPersons) {
        x += "\r\n\t\t\t\t<ContactPerson>";
        x += format("\r\n\t\t\t\t\t<Number>%d</Number>", static_cast<int>(p.Number));
        x += "\r\n\t\t\t\t\t<Name>" + esc(p.Name) + "</Name>";
        x += "\r\n\t\t\t\t\t<Function>" + esc(p.Function) + "</Function>";
        x += "\r\n\t\t\t\t</ContactPerson>";
    }
    x += "\r\n\t\t\t</ContactPersons>";
    x += "\r\n\t\t\t<Calls>";
    for (const auto& c : s.Calls)
        x += "\r\n\t\t\t\t<Call>" + c.CallID + "</Call>";
    x += "\r\n\t\t\t</Calls>";
    x += "\r\n\t\t\t<SignedInvoices>0</SignedInvoices>";
    x += "\r\n\t\t\t<Invoices>";
    for (const auto& n : s.Invoices)
        x += "\r\n\t\t\t\t<Invoice>" + esc(n) + "</Invoice>";
    x += "\r\n\t\t\t</Invoices>\r\n\t\t</Stop>";
    return x;
}

// A route as delivered: not started, nothing collected; the pay-this amounts equal the prebilled
// amounts; a stop without invoices counts as settled.
std::string routeXml(const Route& r, const std::map<long long, Invoice>& invoices) {
    const Totals t = routeTotals(r, invoices);
    std::string x = "<Route>";
    x += "\r\n\t<ID>" + esc(r.ID) + "</ID>";
    x += "\r\n\t<Date>" + esc(r.Date) + "</Date>";
    x += format("\r\n\t<RouteNumber>%d</RouteNumber>", r.RouteNumber);
    x += "\r\n\t<RouteDescription>" + esc(r.Description) + "</RouteDescription>";
    x += format("\r\n\t<PrebilledAmountCharge>%.2f</PrebilledAmountCharge>", dollars(t.Charge));
    x += format("\r\n\t<PrebilledAmountCOD>%.2f</PrebilledAmountCOD>", dollars(t.COD));
    x += format("\r\n\t<PlusAdjustmentsCharge>%.2f</PlusAdjustmentsCharge>", 0.0);
    x += format("\r\n\t<PlusAdjustmentsCOD>%.2f</PlusAdjustmentsCOD>", 0.0);
    x += format("\r\n\t<MinusAdjustmentsCharge>%.2f</MinusAdjustmentsCharge>", 0.0);
    x += format("\r\n\t<MinusAdjustmentsCOD>%.2f</MinusAdjustmentsCOD>", 0.0);
    x += format("\r\n\t<TotalUndeliveredCharge>%.2f</TotalUndeliveredCharge>", 0.0);
    x += format("\r\n\t<TotalUndeliveredCOD>%.2f</TotalUndeliveredCOD>", 0.0);
    x += format("\r\n\t<PayThisAmountCharge>%.2f</PayThisAmountCharge>", dollars(t.Charge));
    x += format("\r\n\t<PayThisAmountCOD>%.2f</PayThisAmountCOD>", dollars(t.COD));
    x += format("\r\n\t<TotalCollectionsCharge>%.2f</TotalCollectionsCharge>", 0.0);
    x += format("\r\n\t<TotalCollectionsCOD>%.2f</TotalCollectionsCOD>", 0.0);
    x += format("\r\n\t<VoucherAmount>%.2f</VoucherAmount>", 0.0);
    x += "\r\n\t<StartTime></StartTime>";
    x += "\r\n\t<EndTime></EndTime>";
    x += format("\r\n\t<StartMileage>%.1f</StartMileage>", 0.0);
    x += format("\r\n\t<EndMileage>%.1f</EndMileage>", 0.0);
    x += format("\r\n\t<TotalStops>%d</TotalStops>", static_cast<int>(r.Stops.size()));
    x += format("\r\n\t<SettledStops>%d</SettledStops>", static_cast<int>(t.Settled));
    x += "\r\n\t<SafetyRemarks></SafetyRemarks>";
    x += "\r\n\t<Stops>";
    for (const auto& s : r.Stops)
        x += stopXml(s, invoices);
    x += "\r\n\t</Stops>\r\n</Route>";
    return x;
}

std::string itemXml(const InvoiceLine& l) {
    std::string x = "\r\n\t\t<Invoice-Item>";
    x += "\r\n\t\t\t<LineID>" + esc(l.LineID) + "</LineID>";
    x += format("\r\n\t\t\t<LineNumber>%d</LineNumber>", l.LineNumber);
    x += format("\r\n\t\t\t<LineType>%d</LineType>", l.LineType);
    x += "\r\n\t\t\t<Code>" + esc(l.Code) + "</Code>";
    x += "\r\n\t\t\t<Description>" + esc(l.Description) + "</Description>";
    x += "\r\n\t\t\t<SizeCode>" + esc(l.SizeCode) + "</SizeCode>";
    x += "\r\n\t\t\t<FinishingMethodCode>" + esc(l.FinishingMethodCode) + "</FinishingMethodCode>";
    x += format("\r\n\t\t\t<WearerNumber>%d</WearerNumber>", l.WearerNumber);
    x += "\r\n\t\t\t<WearerName>" + esc(l.WearerName) + "</WearerName>";
    x += "\r\n\t\t\t<WearerLocker>" + esc(l.WearerLocker) + "</WearerLocker>";
    x += format("\r\n\t\t\t<TaxType>%d</TaxType>", l.TaxType);
    x += format("\r\n\t\t\t<BillingMethod>%d</BillingMethod>", l.BillingMethod);
    x += "\r\n\t\t\t<FrequencyCode>" + esc(l.FrequencyCode) + "</FrequencyCode>";
    x += format("\r\n\t\t\t<DeliveredQuantity>%.0f</DeliveredQuantity>",
                static_cast<double>(l.DeliveredQuantity));
    x += format("\r\n\t\t\t<InventoryQuantity>%.0f</InventoryQuantity>",
                static_cast<double>(l.InventoryQuantity));
    x += format("\r\n\t\t\t<PreBilledQuantity>%.0f</PreBilledQuantity>",
                static_cast<double>(l.PreBilledQuantity));
    x += format("\r\n\t\t\t<PrebilledAmount>%.2f</PrebilledAmount>", dollars(l.PrebilledAmount));
    x += format("\r\n\t\t\t<AdjustmentQuantity>%.0f</AdjustmentQuantity>", 0.0);
    x += format("\r\n\t\t\t<AdjustmentDeliveredQuantity>%.0f</AdjustmentDeliveredQuantity>", 0.0);
    x += format("\r\n\t\t\t<AdjustmentAmount>%.2f</AdjustmentAmount>", 0.0);
    x += format("\r\n\t\t\t<Price>%.4f</Price>", unitPrice(l.Price));
    x += format("\r\n\t\t\t<Percentage>%.2f</Percentage>", l.Percentage / 100.0);
    x += format("\r\n\t\t\t<OverAmount>%.2f</OverAmount>", dollars(l.OverAmount));
    x += "\r\n\t\t\t<AdjustmentReasonCode></AdjustmentReasonCode>";
    x += format("\r\n\t\t\t<Extend>%c</Extend>", l.Extend);
    x += format("\r\n\t\t\t<SubjectToMinimum>%c</SubjectToMinimum>", l.SubjectToMinimum);
    x += format("\r\n\t\t\t<MinimumAmount>%.2f</MinimumAmount>", 0.0);
    x += format("\r\n\t\t\t<MaximumAmount>%.2f</MaximumAmount>", 0.0);
    x += "\r\n\t\t\t<SpecialChargeCode1>" + esc(l.SpecialChargeCode1) + "</SpecialChargeCode1>";
    x += "\r\n\t\t\t<SpecialChargeCode2></SpecialChargeCode2>";
    x += "\r\n\t\t\t<SpecialChargeCode3></SpecialChargeCode3>";
    x += "\r\n\t\t\t<SpecialChargeCode4></SpecialChargeCode4>";
    x += "\r\n\t\t\t<SpecialChargeCode5></SpecialChargeCode5>";
    x += "\r\n\t\t\t<OrderingReasonCode></OrderingReasonCode>";
    x += format("\r\n\t\t\t<OrderQty>%.0f</OrderQty>", 0.0);
    x += format("\r\n\t\t\t<MinQty>%.2f</MinQty>", static_cast<double>(l.MinQty));
    x += format("\r\n\t\t\t<MinFreq>%d</MinFreq>", l.MinFreq);
    x += format("\r\n\t\t\t<MinPerc>%.2f</MinPerc>", static_cast<double>(l.MinPerc));
    x += format("\r\n\t\t\t<SER>%d</SER>", l.SER);
    x += format("\r\n\t\t\t<QtyToPick>%d</QtyToPick>", l.QtyToPick);
    x += "\r\n\t\t\t<PickUpQty></PickUpQty>";
    x += format("\r\n\t\t\t<FutureInv>%.0f</FutureInv>", static_cast<double>(l.FutureInv));
    x += "\r\n\t\t</Invoice-Item>";
    return x;
}

// An invoice as delivered: no adjustments, nothing collected, not settled.
std::string invoiceXml(const Invoice& inv) {
    const Cents prebilled = inv.prebilled();
    std::string x = "<Invoice>";
    x += "\r\n\t<ID>" + esc(inv.ID) + "</ID>";
    x += "\r\n\t<InvoiceDate>" + esc(inv.InvoiceDate) + "</InvoiceDate>";
    x += format("\r\n\t<CODInvoice>%c</CODInvoice>", inv.COD);
    x += format("\r\n\t<PrebilledAmount>%.2f</PrebilledAmount>", dollars(prebilled));
    x += format("\r\n\t<TotalPlusAdjustments>%.2f</TotalPlusAdjustments>", 0.0);
    x += format("\r\n\t<TotalMinusAdjustments>%.2f</TotalMinusAdjustments>", 0.0);
    x += format("\r\n\t<PayThisAmount>%.2f</PayThisAmount>", dollars(prebilled));
    x += format("\r\n\t<CashCollected>%.2f</CashCollected>", 0.0);
    x += "\r\n\t<UndeliverReasonCode></UndeliverReasonCode>";
    x += "\r\n\t<PersonIdentification></PersonIdentification>";
    x += format("\r\n\t<MinimumInvoiceAmount>%.2f</MinimumInvoiceAmount>",
                dollars(inv.MinimumInvoiceAmount));
    x += "\r\n\t<Status></Status>";
    x += "\r\n\t<CheckNumber></CheckNumber>";
    x += "\r\n\t<Invoice-Items>";
    for (const auto& l : inv.Items)
        x += itemXml(l);
    x += "\r\n\t</Invoice-Items>\r\n</Invoice>";
    return x;
}

std::string callXml(const Call& c) {
    return format(
               "<Call>\r\n\t<NewDate>%s</NewDate>\r\n\t<Person>%d</Person>\r\n\t<Category>%s</"
               "Category>\r\n\t<Status>%d</Status>\r\n\t<Notes>%s</Notes>\r\n\t<FollowupNotes>%s</"
               "FollowupNotes>",
               esc(c.NewDate).c_str(), static_cast<int>(c.Person), esc(c.Category).c_str(),
               c.Status, esc(c.Notes).c_str(), esc(c.FollowupNotes).c_str()) +
           "\r\n</Call>";
}

// The truck's checklist, every item still unanswered.
std::string safetyXml(const Config& conf) {
    std::string x = "<SafetyChecks>";
    x += "\r\n\t<TruckID>" + esc(conf.TruckCode) + "</TruckID>";
    for (const auto& item : kSafetyItems)
        x += format(
            "\r\n\t<SafetyCheck>\r\n\t\t<Code>%s</Code>\r\n\t\t<Description>%s</"
            "Description>\r\n\t\t<Ok>%c</Ok>\r\n\t\t<NeedMaintenance>%c</NeedMaintenance>\r\n\t</"
            "SafetyCheck>",
            esc(item.Code).c_str(), esc(item.Text).c_str(), 'N', 'N');
    x += "\r\n</SafetyChecks>";
    return x;
}

std::string configXml(const Config& conf) {
    XmlText x("Config");
    x.leaf("FileVersion", "10.00");
    x.leaf("PlantName", kPlantName);
    x.leaf("PlantAddress", "2200 Laundry Lane");
    x.leaf("PlantCity", "Port Ellis");
    x.leaf("PlantState", "CA");
    x.leaf("PlantZip", "94510");
    x.leaf("PriceDecimals", 2);
    x.leaf("RouteManNumber", conf.RouteManNumber);
    x.leaf("RouteManName", conf.RouteManName);
    x.leaf("TruckCode", conf.TruckCode);
    x.leaf("TruckDescription", conf.TruckDescription);
    x.leaf("PlantNumber", "04");
    x.leaf("AllowAdjustmentDelQty", "Y");
    x.leaf("GarmentOrderingActive", "Y");
    x.leaf("WearerInventoryPrice", "Y");
    x.open("IDCodeLengths");
    x.leaf("IDCodeLength", 8);
    x.leaf("IDCodeLength", 10);
    x.close();
    x.leaf("LaundryCode", "BCL");
    x.leaf("AllowInvoiceAdjust", "Y");
    x.leaf("VoiceRecording", "Y");
    // 1: the add-wearer screen proposes the lowest free wearer number of the customer.
    x.leaf("DefaultWearernr", 1);
    return x.finish();
}

}  // namespace

FileSet render(const Day& day) {
    FileSet files;
    files["Config.xml"] = configXml(day.Conf);
    for (const auto& r : day.Routes) {
        files[format("Route_%d_%s.xml", r.RouteNumber, r.Date.c_str())] = routeXml(r, day.Invoices);
        for (const auto& s : r.Stops)
            for (const auto& c : s.Calls)
                files["Call_" + c.CallID + ".xml"] = callXml(c);
    }
    for (const auto& [number, inv] : day.Invoices)
        files[format("Inv_%.0f.xml", static_cast<double>(number))] = invoiceXml(inv);
    addReferenceLists(files);
    for (const auto& c : day.WearerCustomers)
        addCustomerLists(files, c);
    files["Safety.xml"] = safetyXml(day.Conf);
    files["ZZDepartureCheck.xml"] = "<DepartureCheck>\r\n</DepartureCheck>";
    return files;
}

}  // namespace daygen
