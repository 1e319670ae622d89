#include "daygen/Writers.h"

#include "daygen/MasterData.h"
#include "daygen/XmlText.h"

namespace daygen {

namespace {

// The route's totals as its stops and invoices give them, per column.
struct Totals {
    Cents Charge = 0, COD = 0;
    Cents Plus[2] = {}, Minus[2] = {}, Undelivered[2] = {}, Pay[2] = {}, Collections[2] = {};
    unsigned Settled = 0;
};

Totals routeTotals(const Route& r, const std::map<long long, Invoice>& invoices) {
    Totals t;
    for (const auto& s : r.Stops) {
        unsigned settled = 0;
        for (const auto& n : s.Invoices) {
            const Invoice& inv = invoices.at(std::stoll(n));
            const int column = inv.COD == 'Y' ? 1 : 0;
            (column ? t.COD : t.Charge) += inv.prebilled();
            t.Plus[column] += inv.TotalPlusAdjustments;
            t.Minus[column] += inv.TotalMinusAdjustments;
            (s.UndeliverReasonCode.empty() ? t.Pay : t.Undelivered)[column] += inv.payThisAmount();
            t.Collections[column] += inv.CashCollected;
            settled += inv.settled() ? 1 : 0;
        }
        if (settled == s.Invoices.size())
            ++t.Settled;
    }
    return t;
}

std::string stopXml(const Stop& s, const std::map<long long, Invoice>& invoices) {
    Cents payTotal = 0, cash = 0;
    int signedInvoices = 0;
    for (const auto& n : s.Invoices) {
        const Invoice& inv = invoices.at(std::stoll(n));
        payTotal += inv.payThisAmount();
        cash += inv.CashCollected;
        signedInvoices += inv.settled() ? 1 : 0;
    }
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
    x += line("UndeliverReasonCode", esc(s.UndeliverReasonCode));
    x += line("ArrivalTime", esc(s.ArrivalTime));
    x += line("DepartureTime", esc(s.DepartureTime));
    x += line("TravelMinutes", format("%d", s.TravelMinutes));
    x += line("VisitMinutes", format("%d", s.VisitMinutes));
    x += line("PayTotal", format("%.2f", dollars(payTotal)));
    x += line("TotalCashCollected", format("%.2f", dollars(cash)));
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
    x += format("\r\n\t\t\t<SignedInvoices>%d</SignedInvoices>", signedInvoices);
    x += "\r\n\t\t\t<Invoices>";
    for (const auto& n : s.Invoices)
        x += "\r\n\t\t\t\t<Invoice>" + esc(n) + "</Invoice>";
    x += "\r\n\t\t\t</Invoices>\r\n\t\t</Stop>";
    return x;
}

// A route as delivered (not started, nothing collected; the pay-this amounts equal the prebilled
// amounts; a stop without invoices counts as settled), or as it comes back worked.
std::string routeXml(const Route& r, const std::map<long long, Invoice>& invoices) {
    const Totals t = routeTotals(r, invoices);
    const Cents pay[2] = {t.Charge + t.Plus[0] - t.Minus[0] - t.Undelivered[0],
                          t.COD + t.Plus[1] - t.Minus[1] - t.Undelivered[1]};
    std::string x = "<Route>";
    x += "\r\n\t<ID>" + esc(r.ID) + "</ID>";
    x += "\r\n\t<Date>" + esc(r.Date) + "</Date>";
    x += format("\r\n\t<RouteNumber>%d</RouteNumber>", r.RouteNumber);
    x += "\r\n\t<RouteDescription>" + esc(r.Description) + "</RouteDescription>";
    x += format("\r\n\t<PrebilledAmountCharge>%.2f</PrebilledAmountCharge>", dollars(t.Charge));
    x += format("\r\n\t<PrebilledAmountCOD>%.2f</PrebilledAmountCOD>", dollars(t.COD));
    x += format("\r\n\t<PlusAdjustmentsCharge>%.2f</PlusAdjustmentsCharge>", dollars(t.Plus[0]));
    x += format("\r\n\t<PlusAdjustmentsCOD>%.2f</PlusAdjustmentsCOD>", dollars(t.Plus[1]));
    x += format("\r\n\t<MinusAdjustmentsCharge>%.2f</MinusAdjustmentsCharge>", dollars(t.Minus[0]));
    x += format("\r\n\t<MinusAdjustmentsCOD>%.2f</MinusAdjustmentsCOD>", dollars(t.Minus[1]));
    x += format("\r\n\t<TotalUndeliveredCharge>%.2f</TotalUndeliveredCharge>",
                dollars(t.Undelivered[0]));
    x += format("\r\n\t<TotalUndeliveredCOD>%.2f</TotalUndeliveredCOD>", dollars(t.Undelivered[1]));
    x += format("\r\n\t<PayThisAmountCharge>%.2f</PayThisAmountCharge>", dollars(pay[0]));
    x += format("\r\n\t<PayThisAmountCOD>%.2f</PayThisAmountCOD>", dollars(pay[1]));
    x += format("\r\n\t<TotalCollectionsCharge>%.2f</TotalCollectionsCharge>",
                dollars(t.Collections[0]));
    x += format("\r\n\t<TotalCollectionsCOD>%.2f</TotalCollectionsCOD>", dollars(t.Collections[1]));
    x += format("\r\n\t<VoucherAmount>%.2f</VoucherAmount>", dollars(r.VoucherAmount));
    x += "\r\n\t<StartTime>" + esc(r.StartTime) + "</StartTime>";
    x += "\r\n\t<EndTime>" + esc(r.EndTime) + "</EndTime>";
    x += format("\r\n\t<StartMileage>%.1f</StartMileage>", r.StartMileage / 10.0);
    x += format("\r\n\t<EndMileage>%.1f</EndMileage>", r.EndMileage / 10.0);
    x += format("\r\n\t<TotalStops>%d</TotalStops>", static_cast<int>(r.Stops.size()));
    x += format("\r\n\t<SettledStops>%d</SettledStops>", static_cast<int>(t.Settled));
    x += "\r\n\t<SafetyRemarks>" + esc(r.SafetyRemarks) + "</SafetyRemarks>";
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
    x += format("\r\n\t\t\t<AdjustmentQuantity>%.0f</AdjustmentQuantity>",
                static_cast<double>(l.AdjustmentQuantity));
    x += format("\r\n\t\t\t<AdjustmentDeliveredQuantity>%.0f</AdjustmentDeliveredQuantity>",
                static_cast<double>(l.AdjustmentDeliveredQuantity));
    x += format("\r\n\t\t\t<AdjustmentAmount>%.2f</AdjustmentAmount>", dollars(l.AdjustmentAmount));
    x += format("\r\n\t\t\t<Price>%.4f</Price>", unitPrice(l.Price));
    x += format("\r\n\t\t\t<Percentage>%.2f</Percentage>", l.Percentage / 100.0);
    x += format("\r\n\t\t\t<OverAmount>%.2f</OverAmount>", dollars(l.OverAmount));
    x += "\r\n\t\t\t<AdjustmentReasonCode>" + esc(l.AdjustmentReasonCode) +
         "</AdjustmentReasonCode>";
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
    x += "\r\n\t\t\t<PickUpQty>" + esc(l.PickUpQty) + "</PickUpQty>";
    x += format("\r\n\t\t\t<FutureInv>%.0f</FutureInv>", static_cast<double>(l.FutureInv));
    x += "\r\n\t\t</Invoice-Item>";
    return x;
}

// An invoice as delivered (no adjustments, nothing collected, not settled), or as it comes back.
std::string invoiceXml(const Invoice& inv) {
    std::string x = "<Invoice>";
    x += "\r\n\t<ID>" + esc(inv.ID) + "</ID>";
    x += "\r\n\t<InvoiceDate>" + esc(inv.InvoiceDate) + "</InvoiceDate>";
    x += format("\r\n\t<CODInvoice>%c</CODInvoice>", inv.COD);
    x += format("\r\n\t<PrebilledAmount>%.2f</PrebilledAmount>", dollars(inv.prebilled()));
    x += format("\r\n\t<TotalPlusAdjustments>%.2f</TotalPlusAdjustments>",
                dollars(inv.TotalPlusAdjustments));
    x += format("\r\n\t<TotalMinusAdjustments>%.2f</TotalMinusAdjustments>",
                dollars(inv.TotalMinusAdjustments));
    x += format("\r\n\t<PayThisAmount>%.2f</PayThisAmount>", dollars(inv.payThisAmount()));
    x += format("\r\n\t<CashCollected>%.2f</CashCollected>", dollars(inv.CashCollected));
    x += "\r\n\t<UndeliverReasonCode>" + esc(inv.UndeliverReasonCode) + "</UndeliverReasonCode>";
    x += "\r\n\t<PersonIdentification>" + esc(inv.PersonIdentification) + "</PersonIdentification>";
    x += format("\r\n\t<MinimumInvoiceAmount>%.2f</MinimumInvoiceAmount>",
                dollars(inv.MinimumInvoiceAmount));
    x += "\r\n\t<Status>" + esc(inv.Status) + "</Status>";
    x += "\r\n\t<CheckNumber>" + esc(inv.CheckNumber) + "</CheckNumber>";
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

}  // namespace

std::string safetyFile(const Config& conf, std::string_view answers) {
    std::string x = "<SafetyChecks>";
    x += "\r\n\t<TruckID>" + esc(conf.TruckCode) + "</TruckID>";
    for (std::size_t i = 0; i < kSafetyItems.size(); ++i) {
        const auto& item = kSafetyItems[i];
        const char answer = i < answers.size() ? answers[i] : ' ';
        x += format(
            "\r\n\t<SafetyCheck>\r\n\t\t<Code>%s</Code>\r\n\t\t<Description>%s</"
            "Description>\r\n\t\t<Ok>%c</Ok>\r\n\t\t<NeedMaintenance>%c</NeedMaintenance>\r\n\t</"
            "SafetyCheck>",
            esc(item.Code).c_str(), esc(item.Text).c_str(), answer == 'O' ? 'Y' : 'N',
            answer == 'M' ? 'Y' : 'N');
    }
    x += "\r\n</SafetyChecks>";
    return x;
}

std::string configFile(const Config& conf) {
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

FileSet render(const Day& day) {
    FileSet files;
    files["Config.xml"] = configFile(day.Conf);
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
    files["Safety.xml"] = safetyFile(day.Conf);
    files["ZZDepartureCheck.xml"] = "<DepartureCheck>\r\n</DepartureCheck>";
    return files;
}

}  // namespace daygen
