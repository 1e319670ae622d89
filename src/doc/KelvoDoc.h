#pragma once

#include <string>

#include "doc/FormDrafts.h"
#include "doc/InvoiceSession.h"
#include "doc/RouteSession.h"
#include "doc/WearerData.h"
#include "model/AdjReasons.h"
#include "model/CallList.h"
#include "model/ConfigData.h"
#include "model/ContactCategories.h"
#include "model/Flags.h"
#include "model/FlatGoodProducts.h"
#include "model/FlatGoodTransactions.h"
#include "model/Frequencies.h"
#include "model/GarmentFlags.h"
#include "model/GarmentsToReplace.h"
#include "model/SafetyChecks.h"
#include "model/Trucks.h"

namespace kelvo {

class Clock;
class DeviceFs;
class Prompter;
class ReceiptWriter;

// The one document of the program: it owns the whole in-memory model (configuration,
// reference lists, ...), the route, invoice and wearer sessions (each the state of one part of
// the driver's work, with its selections) and the drafts of the forms the driver fills in, and
// knows the services every operation needs (device files, message boxes, clock). Screens keep
// no data of their own; they read and change the document.
class CKelvoDoc {
public:
    // The services must outlive the document.
    CKelvoDoc(const DeviceFs& fs, Prompter& prompter, const Clock& clock);
    CKelvoDoc(const CKelvoDoc&) = delete;
    CKelvoDoc& operator=(const CKelvoDoc&) = delete;

    const DeviceFs& Fs() const { return m_fs; }
    Prompter& Prompt() const { return m_prompter; }
    const Clock& Time() const { return m_clock; }
    // What writes the receipts of settlements; nullptr (no receipts) until the screens' layer
    // gives one. The writer must outlive its use.
    ReceiptWriter* Receipts() const { return m_receipts; }
    void SetReceiptWriter(ReceiptWriter* writer) { m_receipts = writer; }

    // The folder (a storage card) that holds the data folder; "" for the device root.
    const std::string& StorageLocation() const { return m_storageLocation; }
    void SetStorageLocation(const std::string& location) { m_storageLocation = location; }
    // data root + "\VexXml\".
    std::string DataFolder() const;

    ConfigData& Config() { return m_config; }
    const ConfigData& Config() const { return m_config; }

    // The route session: the route list, the route held and what is selected on it.
    RouteSession& Routing() { return m_routing; }
    const RouteSession& Routing() const { return m_routing; }
    // The invoice session: the selected stop's invoices, the open one and its selected line.
    InvoiceSession& Invoicing() { return m_invoicing; }
    const InvoiceSession& Invoicing() const { return m_invoicing; }

    // Short for the sessions' route list, route held, invoice headers and open invoice.
    CRouteList& Routes() { return m_routing.Routes(); }
    const CRouteList& Routes() const { return m_routing.Routes(); }
    CRoute& Route() { return m_routing.Route(); }
    const CRoute& Route() const { return m_routing.Route(); }
    CInvoice& Invoice() { return m_invoicing.Invoice(); }
    const CInvoice& Invoice() const { return m_invoicing.Invoice(); }
    CInvoices& Invoices() { return m_invoicing.Invoices(); }
    const CInvoices& Invoices() const { return m_invoicing.Invoices(); }

    CAdjReasons& AdjReasons() { return m_adjReasons; }
    const CAdjReasons& AdjReasons() const { return m_adjReasons; }
    CFlags& Flags() { return m_flags; }
    const CFlags& Flags() const { return m_flags; }
    CContactCategories& ContactCategories() { return m_contactCategories; }
    const CContactCategories& ContactCategories() const { return m_contactCategories; }
    CSafetyChecks& SafetyChecks() { return m_safetyChecks; }
    const CSafetyChecks& SafetyChecks() const { return m_safetyChecks; }
    CTrucks& Trucks() { return m_trucks; }

    // The current customer's wearers, inventory transactions, the transaction being built and
    // what the wearer screens keep between them.
    CWearerData& WearerData() { return m_wearerData; }
    const CWearerData& WearerData() const { return m_wearerData; }
    // The calls of the current stop (the contact screen loads them).
    CCallList& Calls() { return m_calls; }
    const CCallList& Calls() const { return m_calls; }
    // The current customer's garment flags and garments to replace (the scan screen loads them).
    CGarmentFlags& GarmentFlags() { return m_garmentFlags; }
    CGarmentsToReplace& GarmentsToReplace() { return m_garmentsToReplace; }
    // The flat-good catalogue, the delivery frequencies and the current customer's flat-good
    // transactions (the new services screens load them).
    CFlatGoodProducts& FlatGoodProducts() { return m_flatGoodProducts; }
    const CFlatGoodProducts& FlatGoodProducts() const { return m_flatGoodProducts; }
    CFrequencies& Frequencies() { return m_frequencies; }
    const CFrequencies& Frequencies() const { return m_frequencies; }
    CFlatGoodTransactions& FlatGoodTransactions() { return m_flatGoodTransactions; }
    const CFlatGoodTransactions& FlatGoodTransactions() const { return m_flatGoodTransactions; }

    // Loads the lists the day starts with from the data folder: contact categories,
    // adjustment reasons, flags, the safety checklist and, for the "DUD" laundry, the trucks.
    void LoadDayLists();

    // What the forms outside the wearer screens hold while the driver fills them in.
    FormDrafts& Drafts() { return m_drafts; }
    const FormDrafts& Drafts() const { return m_drafts; }

private:
    const DeviceFs& m_fs;
    Prompter& m_prompter;
    const Clock& m_clock;
    ReceiptWriter* m_receipts = nullptr;

    std::string m_storageLocation;
    CAdjReasons m_adjReasons;
    CFlags m_flags;
    ConfigData m_config;
    CSafetyChecks m_safetyChecks;
    CTrucks m_trucks;
    CContactCategories m_contactCategories;
    CCallList m_calls;
    CGarmentFlags m_garmentFlags;
    CGarmentsToReplace m_garmentsToReplace;
    CFlatGoodProducts m_flatGoodProducts;
    CFrequencies m_frequencies;
    CFlatGoodTransactions m_flatGoodTransactions;
    FormDrafts m_drafts;
    CWearerData m_wearerData;

    RouteSession m_routing;
    InvoiceSession m_invoicing;
};

}  // namespace kelvo
