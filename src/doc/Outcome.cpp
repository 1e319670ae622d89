#include "doc/Outcome.h"

namespace kelvo {

bool showNotices(Prompter& prompter, const Outcome& outcome) {
    for (const Message& m : outcome.notices) {
        prompter.show(m);
    }
    return outcome.done;
}

Message question(std::string text, std::string caption) {
    return Message{std::move(text), std::move(caption), MessageIcon::Question,
                   MessageButtons::YesNo};
}

Message warning(std::string text, std::string caption) {
    return Message{std::move(text), std::move(caption), MessageIcon::Warning, MessageButtons::Ok};
}

Answer askFirst(Prompter& prompter, const std::optional<Message>& question) {
    return question ? prompter.show(*question) : Answer::No;
}

}  // namespace kelvo
