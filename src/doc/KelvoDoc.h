#pragma once

#include <string>

#include "doc/FormDrafts.h"
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
#include "model/Invoice.h"
#include "model/Invoices.h"
#include "model/Route.h"
#include "model/RouteList.h"
#include "model/SafetyChecks.h"
#include "model/Trucks.h"

namespace kelvo {

class Clock;
class DeviceFs;
class Prompter;
class ReceiptWriter;

// What the stop information screen shows: the stop's instructions or its account's aging.
enum class StopInfoPage { Instructions, Aging };

// The one document of the program: it owns the whole in-memory model (configuration,
// routes, reference lists, ...), the current selections and the drafts of the forms the driver
// fills in, and knows the services every operation needs (device files, message boxes, clock).
// Screens keep no data of their own; they read and change the document.
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
    CRouteList& Routes() { return m_routeList; }
    const CRouteList& Routes() const { return m_routeList; }
    CRoute& Route() { return m_route; }
    const CRoute& Route() const { return m_route; }

    CAdjReasons& AdjReasons() { return m_adjReasons; }
    const CAdjReasons& AdjReasons() const { return m_adjReasons; }
    CFlags& Flags() { return m_flags; }
    const CFlags& Flags() const { return m_flags; }
    CContactCategories& ContactCategories() { return m_contactCategories; }
    const CContactCategories& ContactCategories() const { return m_contactCategories; }
    CSafetyChecks& SafetyChecks() { return m_safetyChecks; }
    const CSafetyChecks& SafetyChecks() const { return m_safetyChecks; }
    CTrucks& Trucks() { return m_trucks; }

    // The invoice open on the screens (one at a time; loading another number replaces it).
    CInvoice& Invoice() { return m_invoice; }
    const CInvoice& Invoice() const { return m_invoice; }
    // The invoice headers of the current stop.
    CInvoices& Invoices() { return m_invoices; }
    const CInvoices& Invoices() const { return m_invoices; }

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

    // Selection state (-1 / -1.0: nothing selected).
    int CurrentRouteIndex() const { return m_currentRouteIndex; }
    void SetCurrentRouteIndex(int i) { m_currentRouteIndex = i; }
    int CurrentStopIndex() const { return m_currentStopIndex; }
    void SetCurrentStopIndex(int i) { m_currentStopIndex = i; }
    double CurrentInvoiceNumber() const { return m_currentInvoiceNumber; }
    void SetCurrentInvoiceNumber(double n) { m_currentInvoiceNumber = n; }
    // Position of the selected line in the open invoice's line list.
    int CurrentLineIndex() const { return m_currentLineIndex; }
    void SetCurrentLineIndex(int i) { m_currentLineIndex = i; }
    int LastDepartedStopIndex() const { return m_lastDepartedStopIndex; }
    void SetLastDepartedStopIndex(int i) { m_lastDepartedStopIndex = i; }
    // Forgets every selection.
    void ResetSelection();

    // The page the stop information screen shows next.
    StopInfoPage StopInfo() const { return m_stopInfo; }
    void SetStopInfo(StopInfoPage page) { m_stopInfo = page; }

    // True once today's truck safety check counts as done.
    bool SafetyDone() const { return m_safetyDone; }
    void SetSafetyDone(bool done) { m_safetyDone = done; }

private:
    const DeviceFs& m_fs;
    Prompter& m_prompter;
    const Clock& m_clock;
    ReceiptWriter* m_receipts = nullptr;

    std::string m_storageLocation;
    CAdjReasons m_adjReasons;
    CFlags m_flags;
    ConfigData m_config;
    CRouteList m_routeList;
    CRoute m_route;
    CSafetyChecks m_safetyChecks;
    CTrucks m_trucks;
    CContactCategories m_contactCategories;
    CInvoice m_invoice;
    CInvoices m_invoices;
    CCallList m_calls;
    CGarmentFlags m_garmentFlags;
    CGarmentsToReplace m_garmentsToReplace;
    CFlatGoodProducts m_flatGoodProducts;
    CFrequencies m_frequencies;
    CFlatGoodTransactions m_flatGoodTransactions;
    FormDrafts m_drafts;
    CWearerData m_wearerData;

    int m_currentRouteIndex = -1;
    int m_currentStopIndex = -1;
    double m_currentInvoiceNumber = -1.0;
    int m_currentLineIndex = -1;
    int m_lastDepartedStopIndex = -1;
    bool m_safetyDone = false;
    StopInfoPage m_stopInfo = StopInfoPage::Instructions;
};

}  // namespace kelvo
