#include "model/EmblemTemplates.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CEmblemTmp readEmblemTemplate(const XmlElement& e) {
    CEmblemTmp r;
    r.EmblemTemplateID = e.number("EmblemTemplateID");
    r.Description = e.text("Description");
    r.Active = e.flag("Active");
    return r;
}

}  // namespace

CEmblemTemplates::CEmblemTemplates() : RecordList("EmblemTemplate_", &readEmblemTemplate) {}

std::vector<const CEmblemTmp*> CEmblemTemplates::Active() const {
    return Select([](const CEmblemTmp& t) { return t.IsActive(); });
}

}  // namespace kelvo
