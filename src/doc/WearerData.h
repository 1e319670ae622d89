#pragma once

#include "doc/WearerDrafts.h"
#include "doc/WearerListState.h"
#include "model/Departments.h"
#include "model/EmblemTemplates.h"
#include "model/FinishingMethods.h"
#include "model/Functions.h"
#include "model/InventoryTransactions.h"
#include "model/Lockers.h"
#include "model/PendingTransaction.h"
#include "model/ProdPerCusts.h"
#include "model/Products.h"
#include "model/Wearers.h"

namespace kelvo {

// What the wearer screens work on, owned by the document for the whole run: the current
// stop's customer's wearers and inventory transactions with their files, the transaction a
// change screen is building, the customer's reference lists, the wearer screen's list state,
// the drafts of its forms and the next wearer number.
struct CWearerData {
    CWearers Wearers;
    CInventoryTransactions Transactions;
    CPendingTransaction Pending;
    CWearerListState ListState;
    // What the wearer screens' forms hold while the driver types.
    CWearerDrafts Drafts;

    CProducts Products;
    CFinishingMethods FinishingMethods;
    CDepartments Departments;
    CFunctions Functions;
    CLockers Lockers;
    CEmblemTemplates EmblemTemplates;
    CProdPerCusts CustomerProducts;

    // The highest wearer number known (0: not worked out since the last load); the add wearer
    // page proposes the next one.
    double NextWearerNumber = 0;
};

}  // namespace kelvo
