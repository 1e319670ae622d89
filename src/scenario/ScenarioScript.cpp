#include "scenario/ScenarioScript.h"

#include <array>
#include <cctype>
#include <cstddef>
#include <optional>

#include "common/Text.h"

namespace kelvo {

namespace {

// One token of a line: a bare word, a quoted text, or a quoted text after "@" (a label).
struct Token {
    enum class Kind { Word, Text, Label };
    Kind kind = Kind::Word;
    std::string value;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

bool validUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t more = 0;
        if (c < 0x80) {
            more = 0;
        } else if ((c & 0xE0) == 0xC0 && c >= 0xC2) {
            more = 1;
        } else if ((c & 0xF0) == 0xE0) {
            more = 2;
        } else if ((c & 0xF8) == 0xF0 && c <= 0xF4) {
            more = 3;
        } else {
            return false;
        }
        if (more > 0 && i + more >= s.size()) {
            return false;  // a sequence cut off at the end
        }
        for (std::size_t k = 1; k <= more; ++k) {
            if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += more + 1;
    }
    return true;
}

// The position of the token that holds a device path, or -1: device paths are taken as written,
// their backslashes are separators and never escapes ("\VexXml\" ends with a backslash).
int devicePathToken(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (words.size() < 2 && i < line.size()) {
        while (i < line.size() && isBlank(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i])) {
            ++i;
        }
        words.push_back(line.substr(start, i - start));
    }
    if (!words.empty() && (words[0] == "device-file" || words[0] == "device-folder" ||
                           words[0] == "durable-writes")) {
        return 1;
    }
    if (words.size() == 2 && words[0] == "expect" && (words[1] == "file" || words[1] == "folder")) {
        return 2;
    }
    return -1;
}

// Splits a line into tokens; false with `error` set on a malformed text.
bool tokenize(std::string_view line, std::vector<Token>& tokens, std::string& error) {
    const int rawToken = devicePathToken(line);
    std::size_t i = 0;
    while (i < line.size()) {
        if (isBlank(line[i])) {
            ++i;
            continue;
        }
        // "#" starts a comment at the start of a line or when a blank follows it; "#1023"
        // names a widget.
        if (line[i] == '#' && (tokens.empty() || i + 1 == line.size() || isBlank(line[i + 1]))) {
            return true;
        }
        Token token;
        if (line[i] == '"' || (line[i] == '@' && i + 1 < line.size() && line[i + 1] == '"')) {
            token.kind = line[i] == '@' ? Token::Kind::Label : Token::Kind::Text;
            i += token.kind == Token::Kind::Label ? 2 : 1;
            bool closed = false;
            while (i < line.size()) {
                const char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c != '\\' || static_cast<int>(tokens.size()) == rawToken) {
                    token.value.push_back(c);
                    continue;
                }
                if (i >= line.size()) {
                    break;
                }
                const char e = line[i++];
                switch (e) {
                    case '"':
                    case '\\':
                        token.value.push_back(e);
                        break;
                    case 't':
                        token.value.push_back('\t');
                        break;
                    case 'r':
                        token.value.push_back('\r');
                        break;
                    case 'n':
                        token.value.push_back('\n');
                        break;
                    case '|':
                        // Tables in documentation write the cell separator as "\|".
                        token.value.push_back('|');
                        break;
                    default:
                        error = std::string("unknown escape \\") + e;
                        return false;
                }
            }
            if (!closed) {
                error = "text without its closing quote";
                return false;
            }
            if (i < line.size() && !isBlank(line[i])) {
                error = "a blank must follow the closing quote";
                return false;
            }
        } else {
            while (i < line.size() && !isBlank(line[i])) {
                if (line[i] == '"') {
                    error = "a quote inside the word \"" + token.value + "\"";
                    return false;
                }
                token.value.push_back(line[i++]);
            }
        }
        tokens.push_back(std::move(token));
    }
    return true;
}

// Largest number of a step, and the longest wait (ten minutes, in milliseconds).
constexpr std::int64_t kMaxNumber = 2147483647;
constexpr std::int64_t kMaxWait = 600000;

std::optional<std::int64_t> parseNumber(std::string_view s) {
    int base = 10;
    if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
        base = 16;
        s.remove_prefix(2);
    }
    if (s.empty() || s.size() > 15) {
        return std::nullopt;
    }
    std::int64_t v = 0;
    for (char c : s) {
        int d = 0;
        if (c >= '0' && c <= '9') {
            d = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        v = v * base + d;
    }
    return v;
}

bool equalsWord(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// Reads the arguments of one step in order; the first one that does not fit sets `error`.
class Args {
public:
    Args(const std::vector<Token>& tokens, std::size_t first, std::string usage)
        : m_tokens(tokens), m_pos(first), m_usage(std::move(usage)) {}

    bool text(std::string& out) {
        if (!has(Token::Kind::Text)) {
            return fail("a text in quotes");
        }
        out = m_tokens[m_pos++].value;
        return true;
    }
    bool keyword(std::string_view word) {
        if (!has(Token::Kind::Word) || m_tokens[m_pos].value != word) {
            return fail("\"" + std::string(word) + "\"");
        }
        ++m_pos;
        return true;
    }
    // A number from 0 to max: rows, counts, command ids and times are passed on as ints, where a
    // larger one would turn negative (a wait that never ends, a row -1 that selects nothing).
    bool number(std::int64_t& out, std::int64_t max = kMaxNumber) {
        if (!has(Token::Kind::Word)) {
            return fail("a number");
        }
        const auto v = parseNumber(m_tokens[m_pos].value);
        if (!v) {
            return fail("a number");
        }
        if (*v > max) {
            return fail("a number up to " + std::to_string(max));
        }
        out = *v;
        ++m_pos;
        return true;
    }
    bool word(std::string& out) {
        if (!has(Token::Kind::Word)) {
            return fail("a word");
        }
        out = m_tokens[m_pos++].value;
        return true;
    }
    bool widget(WidgetRef& out) {
        if (m_pos >= m_tokens.size()) {
            return fail("a widget (#name, \"Caption\" or @\"Label\")");
        }
        const Token& t = m_tokens[m_pos];
        if (t.kind == Token::Kind::Word && t.value.size() > 1 && t.value[0] == '#') {
            out = {WidgetRef::By::Name, t.value.substr(1)};
        } else if (t.kind == Token::Kind::Text && !t.value.empty()) {
            out = {WidgetRef::By::Caption, t.value};
        } else if (t.kind == Token::Kind::Label && !t.value.empty()) {
            out = {WidgetRef::By::Label, t.value};
        } else {
            return fail("a widget (#name, \"Caption\" or @\"Label\")");
        }
        ++m_pos;
        return true;
    }
    bool more() const { return m_pos < m_tokens.size(); }
    const Token& peek() const { return m_tokens[m_pos]; }
    bool end() {
        if (m_pos < m_tokens.size()) {
            return fail("the end of the line");
        }
        return true;
    }
    const std::string& error() const { return m_error; }

private:
    bool has(Token::Kind kind) const {
        return m_pos < m_tokens.size() && m_tokens[m_pos].kind == kind;
    }
    bool fail(const std::string& wanted) {
        const std::string found = m_pos < m_tokens.size() ? "\"" + m_tokens[m_pos].value + "\""
                                                          : std::string("the end of the line");
        m_error = "expected " + wanted + ", found " + found + " (usage: " + m_usage + ")";
        return false;
    }

    const std::vector<Token>& m_tokens;
    std::size_t m_pos;
    std::string m_usage;
    std::string m_error;
};

bool parseClock(const std::string& date, const std::string& time, ScenarioStep& step) {
    auto digits = [](std::string_view s, std::size_t from, std::size_t n, int& out) {
        out = 0;
        for (std::size_t i = from; i < from + n; ++i) {
            if (i >= s.size() || s[i] < '0' || s[i] > '9') {
                return false;
            }
            out = out * 10 + (s[i] - '0');
        }
        return true;
    };
    if (date.size() != 10 || date[4] != '-' || date[7] != '-' || time.size() != 5 ||
        time[2] != ':') {
        return false;
    }
    return digits(date, 0, 4, step.year) && digits(date, 5, 2, step.month) &&
           digits(date, 8, 2, step.day) && digits(time, 0, 2, step.hour) &&
           digits(time, 3, 2, step.minute) && step.month >= 1 && step.month <= 12 &&
           step.day >= 1 && step.day <= 31 && step.hour < 24 && step.minute < 60;
}

// Reads the checks that follow "expect".
bool parseExpect(const std::vector<Token>& tokens, ScenarioStep& step, std::string& error) {
    if (tokens.size() < 2 || tokens[1].kind != Token::Kind::Word) {
        error =
            "expect needs a check: message, no-message, screen, text, enabled, disabled, "
            "visible, hidden, rows, row, selected, checked, unchecked, notice, menu, file, "
            "folder, keyboard, hints or scrolled";
        return false;
    }
    const std::string& what = tokens[1].value;
    bool ok = false;
    std::string usage;
    auto args = [&](const char* u) {
        usage = u;
        return Args(tokens, 2, u);
    };
    if (what == "message") {
        Args a = args("expect message \"text\" [caption \"caption\"]");
        step.kind = StepKind::ExpectMessage;
        ok = a.text(step.text);
        if (ok && a.more()) {
            ok = a.keyword("caption") && a.text(step.text2);
            step.hasCaption = true;
        }
        ok = ok && a.end();
        error = a.error();
    } else if (what == "no-message") {
        Args a = args("expect no-message");
        step.kind = StepKind::ExpectNoMessage;
        ok = a.end();
        error = a.error();
    } else if (what == "screen") {
        Args a = args("expect screen N");
        step.kind = StepKind::ExpectScreen;
        ok = a.number(step.number) && a.end();
        error = a.error();
    } else if (what == "text") {
        Args a = args("expect text WIDGET \"text\"");
        step.kind = StepKind::ExpectText;
        ok = a.widget(step.widget) && a.text(step.text) && a.end();
        error = a.error();
    } else if (what == "enabled" || what == "disabled" || what == "visible" || what == "hidden") {
        Args a = args("expect enabled|disabled|visible|hidden WIDGET");
        step.kind = what == "enabled"    ? StepKind::ExpectEnabled
                    : what == "disabled" ? StepKind::ExpectDisabled
                    : what == "visible"  ? StepKind::ExpectVisible
                                         : StepKind::ExpectHidden;
        ok = a.widget(step.widget) && a.end();
        error = a.error();
    } else if (what == "rows") {
        Args a = args("expect rows WIDGET N");
        step.kind = StepKind::ExpectRows;
        ok = a.widget(step.widget) && a.number(step.number) && a.end();
        error = a.error();
    } else if (what == "row") {
        Args a = args("expect row WIDGET N \"cell|cell|...\"");
        step.kind = StepKind::ExpectRow;
        ok = a.widget(step.widget) && a.number(step.number) && a.text(step.text) && a.end();
        error = a.error();
    } else if (what == "selected") {
        Args a = args("expect selected WIDGET N");
        step.kind = StepKind::ExpectSelected;
        ok = a.widget(step.widget) && a.number(step.number) && a.end();
        error = a.error();
    } else if (what == "checked" || what == "unchecked") {
        Args a = args("expect checked|unchecked WIDGET");
        step.kind = what == "checked" ? StepKind::ExpectChecked : StepKind::ExpectUnchecked;
        ok = a.widget(step.widget) && a.end();
        error = a.error();
    } else if (what == "notice") {
        Args a = args("expect notice \"text\"");
        step.kind = StepKind::ExpectNotice;
        ok = a.text(step.text) && a.end();
        error = a.error();
    } else if (what == "menu") {
        Args a = args("expect menu \"Entry|[Disabled entry]|...\"");
        step.kind = StepKind::ExpectMenu;
        ok = a.text(step.text) && a.end();
        error = a.error();
    } else if (what == "file") {
        Args a = args(
            "expect file \"\\path\" equals \"file\" | contains \"text\" | exists | missing"
            " | signature");
        std::string how;
        ok = a.text(step.text) && a.word(how);
        if (ok && how == "equals") {
            step.kind = StepKind::ExpectFileEquals;
            ok = a.text(step.source);
        } else if (ok && how == "contains") {
            step.kind = StepKind::ExpectFileContains;
            ok = a.text(step.text2);
        } else if (ok && how == "exists") {
            step.kind = StepKind::ExpectFileExists;
        } else if (ok && how == "missing") {
            step.kind = StepKind::ExpectFileMissing;
        } else if (ok && how == "signature") {
            step.kind = StepKind::ExpectFileSignature;
        } else if (ok) {
            error =
                "expected equals, contains, exists, missing or signature, found \"" + how + "\"";
            return false;
        }
        ok = ok && a.end();
        error = a.error();
    } else if (what == "folder") {
        Args a = args("expect folder \"\\path\\\" count N");
        step.kind = StepKind::ExpectFolderCount;
        ok = a.text(step.text) && a.keyword("count") && a.number(step.number) && a.end();
        error = a.error();
    } else if (what == "keyboard") {
        Args a = args("expect keyboard shown|hidden");
        std::string state;
        ok = a.word(state) && a.end();
        error = a.error();
        step.kind =
            state == "hidden" ? StepKind::ExpectKeyboardHidden : StepKind::ExpectKeyboardShown;
        if (ok && state != "shown" && state != "hidden") {
            error = "expected shown or hidden, found \"" + state + "\"";
            return false;
        }
    } else if (what == "hints" || what == "scrolled") {
        Args a = args(what == "hints" ? "expect hints WIDGET digits|number|hex|text"
                                      : "expect scrolled WIDGET");
        step.kind = what == "hints" ? StepKind::ExpectHints : StepKind::ExpectScrolled;
        ok = a.widget(step.widget) && (what != "hints" || a.word(step.text)) && a.end();
        error = a.error();
        if (ok && what == "hints" && step.text != "digits" && step.text != "number" &&
            step.text != "hex" && step.text != "text") {
            error = "expected digits, number, hex or text, found \"" + step.text + "\"";
            return false;
        }
    } else {
        error = "unknown check \"expect " + what + "\"";
        return false;
    }
    return ok;
}

// Reads one step; false with `error` set.
bool parseStep(const std::vector<Token>& tokens, ScenarioStep& step, std::string& error) {
    if (tokens[0].kind != Token::Kind::Word) {
        error = "a step begins with its name, found \"" + tokens[0].value + "\"";
        return false;
    }
    const std::string& name = tokens[0].value;
    if (name == "expect") {
        return parseExpect(tokens, step, error);
    }
    auto finish = [&](bool ok, const Args& a) {
        if (!ok) {
            error = a.error();
        }
        return ok;
    };
    if (name == "device-file" || name == "device-folder") {
        Args a(tokens, 1, name + " \"\\device\\path\" from \"host path\"");
        step.kind = name == "device-file" ? StepKind::DeviceFile : StepKind::DeviceFolder;
        return finish(a.text(step.text) && a.keyword("from") && a.text(step.source) && a.end(), a);
    }
    if (name == "clock") {
        Args a(tokens, 1, "clock YYYY-MM-DD HH:MM");
        step.kind = StepKind::Clock;
        std::string date, time;
        if (!finish(a.word(date) && a.word(time) && a.end(), a)) {
            return false;
        }
        if (!parseClock(date, time, step)) {
            error = "expected a date and a time like 2006-12-05 08:40, found \"" + date + " " +
                    time + "\"";
            return false;
        }
        return true;
    }
    if (name == "command" || name == "wait") {
        Args a(tokens, 1, name == "command" ? "command ID" : "wait MILLISECONDS");
        step.kind = name == "command" ? StepKind::Command : StepKind::Wait;
        return finish(a.number(step.number, name == "wait" ? kMaxWait : kMaxNumber) && a.end(), a);
    }
    if (name == "menu" || name == "screenshot") {
        Args a(tokens, 1, name == "menu" ? "menu \"Entry\"" : "screenshot \"file.png\"");
        step.kind = name == "menu" ? StepKind::Menu : StepKind::Screenshot;
        return finish(a.text(step.text) && a.end(), a);
    }
    if (name == "durable-writes") {
        Args a(tokens, 1, "durable-writes \"\\device\\folder\\\"");
        step.kind = StepKind::DurableWrites;
        return finish(a.text(step.text) && a.end(), a);
    }
    if (name == "click") {
        Args a(tokens, 1, "click WIDGET");
        step.kind = StepKind::Click;
        return finish(a.widget(step.widget) && a.end(), a);
    }
    if (name == "type") {
        Args a(tokens, 1, "type WIDGET \"text\"");
        step.kind = StepKind::Type;
        return finish(a.widget(step.widget) && a.text(step.text) && a.end(), a);
    }
    if (name == "select") {
        Args a(tokens, 1, "select WIDGET N | select WIDGET \"text\"");
        step.kind = StepKind::Select;
        if (!finish(a.widget(step.widget), a)) {
            return false;
        }
        if (a.more() && a.peek().kind == Token::Kind::Text) {
            step.byText = true;
            return finish(a.text(step.text) && a.end(), a);
        }
        return finish(a.number(step.number) && a.end(), a);
    }
    if (name == "key") {
        Args a(tokens, 1, "key Right|Left|Up|Down|Enter|Escape|Tab|F1 [WIDGET]");
        step.kind = StepKind::Key;
        std::string key;
        if (!finish(a.word(key), a)) {
            return false;
        }
        static constexpr std::array<const char*, 8> kKeys{"Right", "Left",   "Up",  "Down",
                                                          "Enter", "Escape", "Tab", "F1"};
        for (const char* k : kKeys) {
            if (equalsWord(key, k)) {
                step.text = k;
            }
        }
        if (step.text.empty()) {
            error = "unknown key \"" + key + "\" (Right, Left, Up, Down, Enter, Escape, Tab or F1)";
            return false;
        }
        if (a.more() && !finish(a.widget(step.widget), a)) {
            return false;
        }
        return finish(a.end(), a);
    }
    if (name == "tap") {
        Args a(tokens, 1, "tap WIDGET [ROW]");
        step.kind = StepKind::Tap;
        step.number = -1;
        return finish(a.widget(step.widget) && (!a.more() || a.number(step.number)) && a.end(), a);
    }
    if (name == "drag") {
        Args a(tokens, 1, "drag WIDGET up|down ROWS");
        step.kind = StepKind::Drag;
        if (!finish(a.widget(step.widget) && a.word(step.text) && a.number(step.number, 1000) &&
                        a.end(),
                    a)) {
            return false;
        }
        if (step.text != "up" && step.text != "down") {
            error = "expected up or down, found \"" + step.text + "\"";
            return false;
        }
        return true;
    }
    if (name == "scan") {
        Args a(tokens, 1, "scan \"code\"");
        step.kind = StepKind::Scan;
        return finish(a.text(step.text) && a.end(), a);
    }
    if (name == "sign") {
        Args a(tokens, 1, "sign");
        step.kind = StepKind::Sign;
        return finish(a.end(), a);
    }
    if (name == "answer") {
        Args a(tokens, 1, "answer Yes|No|OK|Cancel");
        step.kind = StepKind::Answer;
        std::string answer;
        if (!finish(a.word(answer) && a.end(), a)) {
            return false;
        }
        for (const char* k : {"Yes", "No", "OK", "Cancel"}) {
            if (equalsWord(answer, k)) {
                step.text = k;
            }
        }
        if (step.text.empty()) {
            error = "unknown answer \"" + answer + "\" (Yes, No, OK or Cancel)";
            return false;
        }
        return true;
    }
    error = "unknown step \"" + name + "\"";
    return false;
}

}  // namespace

ScenarioScript ScenarioScript::parse(std::string_view content) {
    ScenarioScript script;
    std::string utf8;
    if (content.substr(0, 3) == "\xEF\xBB\xBF") {
        content.remove_prefix(3);
    }
    if (validUtf8(content)) {
        utf8 = std::string(content);
    } else {
        utf8 = latin1ToUtf8(content);
    }
    std::size_t start = 0;
    int line = 0;
    while (start <= utf8.size()) {
        std::size_t end = utf8.find('\n', start);
        if (end == std::string::npos) {
            end = utf8.size();
        }
        ++line;
        const std::string_view text(utf8.data() + start, end - start);
        start = end + 1;
        std::vector<Token> tokens;
        std::string error;
        if (!tokenize(text, tokens, error)) {
            script.m_steps.clear();
            script.m_errorLine = line;
            script.m_error = error;
            return script;
        }
        if (tokens.empty()) {
            continue;
        }
        ScenarioStep step;
        step.line = line;
        if (!parseStep(tokens, step, error)) {
            script.m_steps.clear();
            script.m_errorLine = line;
            script.m_error = error;
            return script;
        }
        script.m_steps.push_back(std::move(step));
    }
    return script;
}

}  // namespace kelvo
