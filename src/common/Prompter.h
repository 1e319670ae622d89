#pragma once

#include <deque>
#include <string>
#include <vector>

namespace kelvo {

// How a message box looks and which buttons it offers.
enum class MessageIcon { None, Information, Warning, Error, Question };
enum class MessageButtons { Ok, YesNo };
enum class Answer { Ok, Yes, No, Cancel };

// One message shown to the driver (texts in ISO-8859-1, as everywhere in the core).
struct Message {
    std::string text;
    std::string caption;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// Every message box of the program goes through a Prompter.
class Prompter {
public:
    virtual ~Prompter() = default;
    // Shows the message and returns the button the driver chose.
    virtual Answer show(const Message& message) = 0;

    // An OK message.
    void inform(const std::string& text, const std::string& caption,
                MessageIcon icon = MessageIcon::Warning);
    // A Yes/No question with the question icon; true only for Yes.
    bool ask(const std::string& text, const std::string& caption);
};

// A prompter for tests and scenarios: records every message and answers from a queue.
// Without a queued answer an OK box gets Ok and a question gets No.
class ScriptedPrompter : public Prompter {
public:
    Answer show(const Message& message) override;
    // Queues the answer for the next message box.
    void queue(Answer answer) { m_answers.push_back(answer); }
    // Every message shown so far, oldest first.
    const std::vector<Message>& shown() const { return m_shown; }
    // Forgets the messages shown so far.
    void clearShown() { m_shown.clear(); }

private:
    std::deque<Answer> m_answers;
    std::vector<Message> m_shown;
};

}  // namespace kelvo
