#include "model/RecordList.h"

#include "common/WaitCursor.h"
#include "common/XmlReader.h"

namespace kelvo {

bool forEachRecord(const DeviceFs& fs, const std::string& devicePath,
                   const std::function<void(const XmlElement&)>& each) {
    const WaitCursor wait;
    XmlDocument doc;
    if (!doc.load(fs, devicePath)) {
        return false;
    }
    doc.root().forEachChild(each);
    return true;
}

}  // namespace kelvo
