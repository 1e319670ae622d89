#include "common/Prompter.h"

namespace kelvo {

void Prompter::inform(const std::string& text, const std::string& caption, MessageIcon icon) {
    show(Message{text, caption, icon, MessageButtons::Ok});
}

bool Prompter::ask(const std::string& text, const std::string& caption) {
    return show(Message{text, caption, MessageIcon::Question, MessageButtons::YesNo}) ==
           Answer::Yes;
}

Answer ScriptedPrompter::show(const Message& message) {
    m_shown.push_back(message);
    if (!m_answers.empty()) {
        const Answer a = m_answers.front();
        m_answers.pop_front();
        return a;
    }
    return message.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
}

}  // namespace kelvo
