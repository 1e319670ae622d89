#include "model/Departments.h"

#include "common/XmlReader.h"

namespace kelvo {

namespace {

CDepartment readDepartment(const XmlElement& e) {
    CDepartment r;
    r.DeptID = e.number("DeptID");
    r.Description = e.text("Description");
    r.Active = e.flag("Active");
    return r;
}

}  // namespace

CDepartments::CDepartments() : RecordList("Department_", &readDepartment) {}

std::vector<const CDepartment*> CDepartments::Active() const {
    return Select([](const CDepartment& d) { return d.IsActive(); });
}

}  // namespace kelvo
