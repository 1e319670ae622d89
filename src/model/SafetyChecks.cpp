#include "model/SafetyChecks.h"

#include <algorithm>

#include "common/DataPaths.h"
#include "common/DeviceFs.h"
#include "common/FileValues.h"
#include "common/FileWriter.h"
#include "common/Text.h"
#include "common/WaitCursor.h"
#include "common/XmlReader.h"
#include "common/XmlWriter.h"

namespace kelvo {

namespace {

constexpr const char* kFile = "\\VexXml\\Safety.xml";
constexpr std::string_view kItemField = "\r\n\t\t";

CSafetyCheck readItem(const XmlElement& e) {
    CSafetyCheck c;
    c.Code = e.text("Code");
    c.Description = e.text("Description");
    // A missing mark means the driver never answered the item: 'N' keeps it unanswered (so
    // the checklist is not complete), and Save writes a proper "N" instead of a NUL byte.
    c.Ok = e.flag("Ok", 'N');
    c.NeedMaintenance = e.flag("NeedMaintenance", 'N');
    return c;
}

}  // namespace

void CSafetyChecks::SetPath(const std::string& storageLocation) {
    m_DataRoot = dataRoot(storageLocation);
}

std::string CSafetyChecks::FilePath() const {
    return m_DataRoot + kFile;
}

bool CSafetyChecks::Load(const DeviceFs& fs) {
    const WaitCursor wait;
    XmlDocument doc;
    if (!doc.load(fs, FilePath())) {
        return false;
    }
    // The file starts with the truck before the items. The first child is taken as that
    // header, but by its tag rather than blindly by position: a TruckID element is the truck
    // wherever it stands and is never an item, and a SafetyCheck element is always an item,
    // also in first place. So a file whose truck moved or went missing loses no item. Any
    // other first child is the header (its TruckID field, if any, names the truck); every
    // further child is an item whatever its tag.
    std::string truckId;
    bool haveTruck = false;
    std::vector<CSafetyCheck> items;
    bool first = true;
    doc.root().forEachChild([&](const XmlElement& child) {
        const bool isFirst = first;
        first = false;
        const std::string tag = child.name();
        if (tag == "TruckID") {
            if (!haveTruck) {
                truckId = child.ownText();
                haveTruck = true;
            }
            return;
        }
        if (isFirst && tag != "SafetyCheck") {
            if (child.child("TruckID")) {
                truckId = child.text("TruckID");
                haveTruck = true;
            }
            return;
        }
        items.push_back(readItem(child));
    });
    m_TruckID = std::move(truckId);
    m_items = std::move(items);
    return true;
}

std::string CSafetyChecks::Content() const {
    // The truck identifier is free text (typed in the configuration or chosen from the truck
    // list), so it is escaped like every other free text of a data file; so are the marks, which
    // a damaged file may have given any character.
    std::string out = "<SafetyChecks>";
    appendTextElement(out, "\r\n\t", "TruckID", m_TruckID);
    for (const CSafetyCheck& c : m_items) {
        out.append("\r\n\t<SafetyCheck>");
        appendTextElement(out, kItemField, "Code", c.Code);
        appendTextElement(out, kItemField, "Description", c.Description);
        appendFlagElement(out, kItemField, "Ok", c.Ok);
        appendFlagElement(out, kItemField, "NeedMaintenance", c.NeedMaintenance);
        out.append("\r\n\t</SafetyCheck>");
    }
    out += "\r\n</SafetyChecks>";
    return out;
}

bool CSafetyChecks::Save(const DeviceFs& fs) const {
    const WaitCursor wait;
    return writeFileAtomic(fs, FilePath(), Content());
}

bool CSafetyChecks::IsComplete() const {
    return std::all_of(m_items.begin(), m_items.end(),
                       [](const CSafetyCheck& c) { return c.IsAnswered(); });
}

bool CSafetyChecks::AreAnswered(std::size_t first, std::size_t count) const {
    const std::size_t begin = std::min(first, m_items.size());
    const std::size_t end = std::min(m_items.size(), begin + std::min(count, m_items.size()));
    return std::all_of(m_items.begin() + static_cast<std::ptrdiff_t>(begin),
                       m_items.begin() + static_cast<std::ptrdiff_t>(end),
                       [](const CSafetyCheck& c) { return c.IsAnswered(); });
}

void CSafetyChecks::MarkOk(std::size_t i, bool marked) {
    CSafetyCheck& c = m_items.at(i);
    c.Ok = marked ? 'Y' : 'N';
    if (marked) {
        c.NeedMaintenance = 'N';
    }
}

void CSafetyChecks::MarkNeedMaintenance(std::size_t i, bool marked) {
    CSafetyCheck& c = m_items.at(i);
    c.NeedMaintenance = marked ? 'Y' : 'N';
    if (marked) {
        c.Ok = 'N';
    }
}

}  // namespace kelvo
