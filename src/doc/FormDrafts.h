#pragma once

#include <string>

namespace kelvo {

// What the forms outside the wearer screens hold while the driver fills them in. Each screen
// writes its draft from its fields as they change and starts it afresh when it opens; the
// screen table decides from it whether a command may be carried out (see DraftRules.h).

// The contact screen: whether the stop's calls could be opened, and the row of the call shown.
struct CallDraft {
    bool open = false;
    int shown = -1;  // -1: no call shown
};

// The scan screen: whether the customer's garment lists could be opened, and the ID-Code as
// typed so far.
struct ScanDraft {
    bool open = false;
    std::string code{};
};

// The add new service screen: the positions chosen in its drop-downs (-1: none) and the
// quantity and price as typed.
struct ServiceDraft {
    int group = -1;
    int product = -1;
    int frequency = -1;
    std::string quantity{};
    std::string price{};
};

struct FormDrafts {
    CallDraft call;
    ScanDraft scan;
    ServiceDraft service;
};

}  // namespace kelvo
