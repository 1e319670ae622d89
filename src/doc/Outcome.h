#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/Prompter.h"

namespace kelvo {

// What an operation of a screen did: whether it was done, what the driver is to be told (in
// order; a refusal or a failed save), and the device paths of the files it wrote, in the order
// written. The operation shows nothing itself; its caller shows the notices. A question the
// driver must answer is asked by the caller before the operation, which takes the answer.
struct Outcome {
    bool done = false;
    std::vector<Message> notices;
    std::vector<std::string> written;

    // An operation refused or not saved, with the message that says why.
    static Outcome refused(Message why) { return {false, {std::move(why)}, {}}; }

    // Appends what a step taken before this operation's own work did (its notices come first).
    void add(const Outcome& step) {
        notices.insert(notices.end(), step.notices.begin(), step.notices.end());
        written.insert(written.end(), step.written.begin(), step.written.end());
    }
};

// Shows the outcome's notices, oldest first. Returns outcome.done.
bool showNotices(Prompter& prompter, const Outcome& outcome);

// A Yes/No question with the question icon, for the caller to ask before an operation.
Message question(std::string text, std::string caption);
// An OK notice with the warning icon: a refusal or a failed save.
Message warning(std::string text, std::string caption);

// Asks the question an operation takes the answer to, before the operation; No when there is
// none to ask.
Answer askFirst(Prompter& prompter, const std::optional<Message>& question);

}  // namespace kelvo
