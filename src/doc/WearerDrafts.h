#pragma once

#include "doc/AddWearerOps.h"
#include "doc/ChangeOps.h"

namespace kelvo {

// What the wearer screens' forms hold while the driver fills them in, one entry per form,
// as the operations take it. Each screen writes its entry from its fields as they change and
// starts it afresh when it opens; the screen table decides from it whether the form's
// forward command may be carried out (see DraftRules.h). Nothing here is stored in a file.
struct CWearerDrafts {
    WearerPage1 Page1;
    ProductEntry Product;
    ExchangeEntry Exchange;
    QuantityEntry Quantity;
    WorkOrderEntry WorkOrder;
};

}  // namespace kelvo
