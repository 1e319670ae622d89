#include "doc/WearerChange.h"

namespace kelvo {

bool showNotices(Prompter& prompter, const WearerChange& change) {
    for (const Message& m : change.notices) {
        prompter.show(m);
    }
    return change.done;
}

}  // namespace kelvo
