#pragma once

#include <string>
#include <vector>

#include "common/Prompter.h"

namespace kelvo {

// What a change of the wearer screens did: whether it was stored, what the driver is to be
// told (in order; a refusal or a failed save), and the device paths of the files it wrote.
// The operation shows nothing itself; its caller shows the notices.
struct WearerChange {
    bool done = false;
    std::vector<Message> notices;
    std::vector<std::string> written;

    // A change refused or not saved, with the message that says why.
    static WearerChange refused(Message why) { return {false, {std::move(why)}, {}}; }
};

// Shows the change's notices, oldest first. Returns change.done.
bool showNotices(Prompter& prompter, const WearerChange& change);

}  // namespace kelvo
