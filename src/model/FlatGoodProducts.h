#pragma once

#include <string>
#include <string_view>

#include "model/ProdGroup.h"
#include "model/RecordList.h"

namespace kelvo {

// The flat-good catalogue "\VexXml\Flatgoodproducts.xml": product groups in file order, each
// with its products and their prices. Read only. A missing or damaged catalogue gives an empty
// list: there is then nothing to add.
class CFlatGoodProducts : public RecordList<CProdGroup> {
public:
    // An empty catalogue; SetPath and Load fill it.
    CFlatGoodProducts();

    // The first group with this description; nullptr when there is none.
    const CProdGroup* FindGroup(std::string_view pgdesc) const;
    // pdesc of the first product with this code in any group; "" when there is none.
    std::string DescriptionOf(std::string_view pcode) const;
};

}  // namespace kelvo
