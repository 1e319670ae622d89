#include "doc/KelvoDoc.h"

#include "common/DataPaths.h"

namespace kelvo {

CKelvoDoc::CKelvoDoc(const DeviceFs& fs, Prompter& prompter, const Clock& clock)
    : m_fs(fs), m_prompter(prompter), m_clock(clock) {}

std::string CKelvoDoc::DataFolder() const {
    return dataFolder(m_storageLocation);
}

void CKelvoDoc::LoadDayLists() {
    // A file missing today must not leave yesterday's records in place.
    m_contactCategories = CContactCategories();
    m_adjReasons = CAdjReasons();
    m_flags = CFlags();
    m_safetyChecks = CSafetyChecks();
    m_trucks = CTrucks();
    // The lists the screens load when they open are read again from the new day's files.
    m_calls = CCallList();
    m_garmentFlags = CGarmentFlags();
    m_garmentsToReplace = CGarmentsToReplace();
    m_flatGoodProducts = CFlatGoodProducts();
    m_frequencies = CFrequencies();
    m_flatGoodTransactions = CFlatGoodTransactions();
    m_contactCategories.SetPath(m_storageLocation);
    m_contactCategories.Load(m_fs);
    m_adjReasons.SetPath(m_storageLocation);
    m_adjReasons.Load(m_fs);
    m_flags.SetPath(m_storageLocation);
    m_flags.Load(m_fs);
    m_safetyChecks.SetPath(m_storageLocation);
    m_safetyChecks.Load(m_fs);
    if (m_config.IsDud()) {
        m_trucks.SetPath(m_storageLocation);
        m_trucks.Load(m_fs);
    }
}

}  // namespace kelvo
