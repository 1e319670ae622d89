#pragma once

#include "doc/Outcome.h"

namespace kelvo {

// What a change of the wearer screens did: whether it was stored, what the driver is to be
// told (in order; a refusal or a failed save), and the device paths of the files it wrote.
using WearerChange = Outcome;

}  // namespace kelvo
