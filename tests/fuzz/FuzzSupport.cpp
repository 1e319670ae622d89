#include "FuzzSupport.h"

#include "common/Text.h"
#include "common/XmlReader.h"

namespace kelvo::fuzz {

bool wellWritten(std::string_view content) {
    if (content.find('\0') != std::string_view::npos) {
        return false;
    }
    for (const char c : content) {
        if (isForbiddenInXml(c)) {
            return false;
        }
    }
    XmlDocument doc;
    doc.parse(content);
    return doc.wellFormed();
}

}  // namespace kelvo::fuzz
