// Every reference list read from the same input, the shared ones and the per-customer ones:
// any content loads without harm, and a second load gives the same records.
#include "FuzzSupport.h"
#include "model/AdjReasons.h"
#include "model/ContactCategories.h"
#include "model/Departments.h"
#include "model/EmblemTemplates.h"
#include "model/FinishingMethods.h"
#include "model/Flags.h"
#include "model/Frequencies.h"
#include "model/Functions.h"
#include "model/Lockers.h"
#include "model/ProdPerCusts.h"
#include "model/Products.h"
#include "model/Trucks.h"

using namespace kelvo;

namespace {

template <class List, class... Customer>
void check(const char* file, std::string_view content, Customer... custId) {
    const DeviceFs& fs = fuzz::device().fs();
    fuzz::put(std::string("\\VexXml\\") + file, content);
    List first, second;
    if (!first.Load(fs, custId...)) {
        return;
    }
    KELVO_FUZZ_CHECK(second.Load(fs, custId...));
    KELVO_FUZZ_CHECK(first.Count() == second.Count());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content = fuzz::input(data, size);
    check<CAdjReasons>("AdjReason.xml", content);
    check<CContactCategories>("ContactCategory.xml", content);
    check<CFinishingMethods>("FinishingMethods.xml", content);
    check<CFlags>("Flags.xml", content);
    check<CFrequencies>("Frequency.xml", content);
    check<CProducts>("Products.xml", content);
    check<CTrucks>("Trucks.xml", content);
    check<CDepartments>("Department_5.xml", content, 5.0);
    check<CEmblemTemplates>("EmblemTemplate_5.xml", content, 5.0);
    check<CFunctions>("Function_5.xml", content, 5.0);
    check<CLockers>("Locker_5.xml", content, 5.0);
    check<CProdPerCusts>("CustomerProduct_5.xml", content, 5.0);
    return 0;
}
