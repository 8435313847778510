#include "scenarios/scenario_script.h"

#include <string_view>
#include <utility>

#include "scenarios/arguments.h"

namespace dorvanta::lab {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Splits off the first word; `rest` keeps what follows, trimmed.
std::string_view NextWord(std::string_view& rest) {
    rest = Trim(rest);
    std::size_t end = 0;
    while (end < rest.size() && !IsBlank(rest[end])) {
        ++end;
    }
    const std::string_view word = rest.substr(0, end);
    rest = Trim(rest.substr(end));
    return word;
}

// A value is the rest of the line; "quotes" keep blanks at its ends.
std::string Unquoted(int line, std::string_view value) {
    if (value.empty() || value.front() != '"') {
        return std::string(value);
    }
    if (value.size() < 2 || value.back() != '"') {
        throw ScriptError(line, "unterminated quote");
    }
    return std::string(value.substr(1, value.size() - 2));
}

// Typed keys: "\b" stands for Backspace.
std::string Keys(int line, std::string_view value) {
    const std::string text = Unquoted(line, value);
    std::string keys;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && text[i + 1] == 'b') {
            keys += kBackspace;
            ++i;
        } else {
            keys += text[i];
        }
    }
    return keys;
}

std::string Required(int line, std::string_view word, const char* what) {
    if (word.empty()) {
        throw ScriptError(line, std::string("missing ") + what);
    }
    return std::string(word);
}

void NothingMore(int line, std::string_view rest) {
    if (!rest.empty()) {
        throw ScriptError(line, "unexpected \"" + std::string(rest) + "\"");
    }
}

BoxAnswer AnswerWord(int line, std::string_view word) {
    if (word == "OK") {
        return BoxAnswer::Ok;
    }
    if (word == "Cancel") {
        return BoxAnswer::Cancel;
    }
    if (word == "Yes") {
        return BoxAnswer::Yes;
    }
    if (word == "No") {
        return BoxAnswer::No;
    }
    throw ScriptError(line,
                      "answer must be OK, Cancel, Yes or No, not \"" + std::string(word) + "\"");
}

std::vector<float> Randoms(int line, std::string_view rest) {
    std::vector<float> values;
    for (std::string_view word = NextWord(rest); !word.empty(); word = NextWord(rest)) {
        const auto value = WholeArgument<float>(word);
        if (!value || *value < 0 || *value >= 1) {
            throw ScriptError(line,
                              "a random number lies in [0, 1), not \"" + std::string(word) + "\"");
        }
        values.push_back(*value);
    }
    if (values.empty()) {
        throw ScriptError(line, "missing random numbers");
    }
    return values;
}

std::int16_t ScrollValue(int line, std::string_view word) {
    const auto value = WholeArgument<std::int16_t>(word);
    if (!value) {
        throw ScriptError(line,
                          "scroll value must be a whole number, not \"" + std::string(word) + "\"");
    }
    return *value;
}

int MouseButton(int line, std::string_view rest) {
    if (rest.empty()) {
        return kLeftButton;
    }
    if (rest == "right") {
        return kRightButton;
    }
    throw ScriptError(line, "press takes an optional \"right\", not \"" + std::string(rest) + "\"");
}

ScriptStep ParseStep(int line, std::string_view text);

// "after N yields: ACTION".
ScriptStep ParseAfter(int line, std::string_view rest) {
    ScriptStep step;
    step.line = line;
    step.verb = Verb::After;
    const auto count = WholeArgument<std::int64_t>(NextWord(rest));
    const std::string_view unit = NextWord(rest);
    if (!count || (unit != "yields:" && unit != "yield:")) {
        throw ScriptError(line, "expected \"after N yields: ACTION\"");
    }
    if (*count < 1) {
        throw ScriptError(line, "after needs a yield count of at least 1");
    }
    step.yields = *count;
    step.later = std::make_shared<const ScriptStep>(ParseStep(line, rest));
    return step;
}

Verb VerbOf(int line, std::string_view word) {
    static constexpr std::pair<std::string_view, Verb> kVerbs[] = {
        {"press", Verb::Press}, {"click", Verb::Click},   {"menu", Verb::Menu},
        {"type", Verb::Type},   {"scroll", Verb::Scroll}, {"answer", Verb::Answer},
        {"input", Verb::Input}, {"after", Verb::After},   {"random", Verb::Random},
        {"set", Verb::Set},     {"expect", Verb::Expect}, {"print", Verb::Print}};
    for (const auto& [name, verb] : kVerbs) {
        if (word == name) {
            return verb;
        }
    }
    throw ScriptError(line, "unknown action \"" + std::string(word) + "\"");
}

// What the desktop will answer or draw: the words after answer, input, random.
void ReadQueued(ScriptStep& step, std::string_view rest) {
    switch (step.verb) {
        case Verb::Answer:
            step.answer = AnswerWord(step.line, NextWord(rest));
            NothingMore(step.line, rest);
            break;
        case Verb::Input:
            Required(step.line, rest, "text (or cancel)");
            step.text = rest == "cancel" ? "" : Unquoted(step.line, rest);
            break;
        default:
            step.randoms = Randoms(step.line, rest);
            break;
    }
}

// What follows the control or member an action names.
void ReadOperands(ScriptStep& step, std::string_view rest) {
    switch (step.verb) {
        case Verb::Press:
            step.mouseButton = MouseButton(step.line, rest);
            break;
        case Verb::Type:
            step.text = Keys(step.line, rest);
            break;
        case Verb::Scroll:
            step.scrollValue = ScrollValue(step.line, NextWord(rest));
            NothingMore(step.line, rest);
            break;
        case Verb::Set:
        case Verb::Expect:
            Required(step.line, rest, "value");
            step.quoted = rest.front() == '"';
            step.text = Unquoted(step.line, rest);
            break;
        default:
            NothingMore(step.line, rest);
            break;
    }
}

// One action; `text` holds no comment and is not blank.
ScriptStep ParseStep(int line, std::string_view text) {
    std::string_view rest = text;
    const Verb verb = VerbOf(line, NextWord(rest));
    if (verb == Verb::After) {
        return ParseAfter(line, rest);
    }
    ScriptStep step;
    step.line = line;
    step.verb = verb;
    if (verb == Verb::Answer || verb == Verb::Input || verb == Verb::Random) {
        ReadQueued(step, rest);
    } else {
        step.target = Required(line, NextWord(rest), "name");
        ReadOperands(step, rest);
    }
    return step;
}

}  // namespace

// Every action of the script in order; comments (#) and blank lines are skipped.
std::vector<ScriptStep> ParseScript(std::istream& in) {
    std::vector<ScriptStep> steps;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        const std::string_view action = Trim(text);
        if (!action.empty() && action.front() != '#') {
            steps.push_back(ParseStep(line, action));
        }
    }
    return steps;
}

}  // namespace dorvanta::lab
