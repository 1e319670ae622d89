#pragma once

#include "model/Frequency.h"
#include "model/RecordList.h"

namespace kelvo {

// The delivery frequencies of "\VexXml\Frequency.xml" in file order (tags "code" and "desc").
class CFrequencies : public RecordList<CFrequency> {
public:
    // An empty list; SetPath and Load fill it.
    CFrequencies();
};

}  // namespace kelvo
