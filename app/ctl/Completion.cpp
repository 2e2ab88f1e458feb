// kxalarmctl --complete WORDS...: the words a shell may offer for the last
// of WORDS (the words typed after kxalarmctl; the last one is the word being
// typed, possibly empty), one per line. The commands, their sub-commands and
// options come from the registered synopses, the dialog names, values and
// buttons from the settings models, keys from the lists `list` prints; so
// the completion follows the program. Nothing printed lets the shell offer
// file names (DIR, FILE).

#include "alarmconfig/AlarmInEditor.h"
#include "app/ctl/CtlCommand.h"
#include "console/ConsoleSession.h"
#include "platform/MessageBoxes.h"
#include "platform/SitePaths.h"
#include "settings/SettingsRegistry.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <sstream>

namespace kx::ctl {

namespace {

// One word of a form of a command: sub-command words ("alarms|alarms-in")
// or a placeholder ("KEY", "FILE").
struct Element {
    std::vector<std::string> words;  // empty for a placeholder
    std::string placeholder;
    bool optional = false;
    bool repeated = false;
};

struct Option {
    std::string name;      // "--set"
    std::string argument;  // "NAME=VALUE", "3|4"; empty when it takes none
};

// A command's synopsis read as its forms (the alternatives of "a | b") of
// words in order, and its options, which may stand anywhere.
struct Grammar {
    std::vector<std::vector<Element>> forms;
    std::vector<Option> options;
};

bool isPlaceholder(const std::string& token)
{
    return std::none_of(token.begin(), token.end(), [](char c) { return c >= 'a' && c <= 'z'; }) &&
           std::any_of(token.begin(), token.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

std::vector<std::string> split(const std::string& text, char at)
{
    std::vector<std::string> parts;
    std::stringstream in(text);
    for (std::string part; std::getline(in, part, at);)
        if (!part.empty())
            parts.push_back(part);
    return parts;
}

Grammar readSynopsis(const Command& command)
{
    std::string spaced;
    for (const char* c = command.synopsis; *c; ++c)
        spaced += (*c == '[' || *c == ']') ? std::string(" ") + *c + " " : std::string(1, *c);
    const std::vector<std::string> tokens = split(spaced, ' ');

    Grammar grammar;
    grammar.forms.emplace_back();
    int depth = 0;
    bool afterElement = false;  // the token before was a word of the form
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        std::string token = tokens[i];
        std::vector<Element>& form = grammar.forms.back();
        const bool repeated = token.size() > 3 && token.ends_with("...");
        if (repeated)
            token.resize(token.size() - 3);
        if (token == "[" || token == "]") {
            depth += token == "[" ? 1 : -1;
        } else if (token == "...") {
            if (afterElement)
                form.back().repeated = true;
        } else if (token == "|") {
            if (depth == 0)
                grammar.forms.emplace_back();
        } else if (token.starts_with("--")) {
            Option option{token, {}};
            const auto takes = [](const std::string& t) {
                return t != "[" && t != "]" && t != "|" && !t.starts_with("--");
            };
            if (i + 1 < tokens.size() && takes(tokens[i + 1]))
                option.argument = tokens[++i];
            grammar.options.push_back(option);
            afterElement = false;
            continue;
        } else if (form.empty() && token == command.name) {
            // "field get KEY | field set KEY ...": each form repeats the name.
        } else {
            Element element;
            if (isPlaceholder(token))
                element.placeholder = token;
            else
                element.words = split(token, '|');
            element.optional = depth > 0;
            element.repeated = repeated;
            form.push_back(element);
            afterElement = true;
            continue;
        }
        afterElement = false;
    }
    // "add alarms|alarms-in --list | KEY...": a form that starts with a
    // placeholder goes on after the sub-command words of the form before it.
    for (std::size_t f = 1; f < grammar.forms.size(); ++f) {
        std::vector<Element>& form = grammar.forms[f];
        if (form.empty() || form.front().placeholder.empty())
            continue;
        const std::vector<Element>& before = grammar.forms[f - 1];
        std::size_t n = 0;
        while (n < before.size() && !before[n].words.empty())
            ++n;
        form.insert(form.begin(), before.begin(), before.begin() + static_cast<std::ptrdiff_t>(n));
    }
    return grammar;
}

using State = std::pair<std::size_t, std::size_t>;  // form, element

// Adds the states reached from `state` by leaving out optional elements.
void addState(const Grammar& grammar, State state, std::set<State>& states)
{
    while (states.insert(state).second) {
        const std::vector<Element>& form = grammar.forms[state.first];
        if (state.second >= form.size() || !form[state.second].optional)
            return;
        ++state.second;
    }
}

// The states after the words given, each at the element the next word fills.
std::set<State> walk(const Grammar& grammar, const std::vector<std::string>& words)
{
    std::set<State> states;
    for (std::size_t f = 0; f < grammar.forms.size(); ++f)
        addState(grammar, {f, 0}, states);
    for (const std::string& word : words) {
        std::set<State> next;
        for (const auto& [f, e] : states) {
            const std::vector<Element>& form = grammar.forms[f];
            if (e >= form.size())
                continue;
            const Element& element = form[e];
            if (!element.placeholder.empty() ||
                std::find(element.words.begin(), element.words.end(), word) != element.words.end()) {
                if (element.repeated)
                    addState(grammar, {f, e}, next);
                addState(grammar, {f, e + 1}, next);
            }
        }
        states = std::move(next);
    }
    return states;
}

// The keys of the alarm list, or of the alarm-in list, as `list` reads them.
std::vector<std::string> keys(bool alarmsIn)
{
    std::vector<std::string> keys;
    console::ConsoleSession session;
    if (!session.start())
        return keys;
    if (const auto rows = alarmsIn ? session.alarmInRows() : session.alarmRows())
        for (const console::ListRow& row : *rows)
            keys.push_back(row.text[0]);
    return keys;
}

// The names of the values ("NAME=") or of the buttons a dialog offers.
void addSettingNames(const settings::SettingsModel& model, bool buttons, std::vector<std::string>& out)
{
    for (const settings::SettingRow& row : model.rows())
        if (row.listed && (row.kind == settings::Kind::Button) == buttons)
            out.push_back(buttons ? row.name : row.name + "=");
}

// The values and buttons of the dialog the command line names: the
// settings dialog NAME, or the page of the alarm-in KEY.
void addDialogNames(const Command& command, const std::vector<std::string>& positional, bool buttons,
                    std::vector<std::string>& out)
{
    if (positional.empty())
        return;
    if (std::string(command.name) == "settings") {
        if (const settings::SettingsDialogEntry* entry = settings::FindSettingsDialog(positional[0]))
            addSettingNames(*entry->make(), buttons, out);
        return;
    }
    long key = 0;
    if (std::string(command.name) != "alarm-in" || !ParseNumber(positional[0], key))
        return;
    alarmconfig::AlarmInEditor editor;
    editor.open(key);
    if (editor.currentKey() != key)
        return;
    addSettingNames(editor, buttons, out);
    if (editor.page())
        addSettingNames(*editor.page(), buttons, out);
}

// The words a placeholder stands for where the program knows them.
void addPlaceholder(const Command& command, const std::string& placeholder, const std::string& before,
                    std::vector<std::string>& out)
{
    const std::string name = command.name;
    // A KEY after SECTION is an INI key (profile), not a record's.
    if (placeholder == "KEY" && before != "SECTION") {
        const std::vector<std::string> found = keys(name == "alarm-in");
        out.insert(out.end(), found.begin(), found.end());
    } else if (placeholder == "NAME" && name == "settings") {
        for (const settings::SettingsDialogEntry* entry : settings::SettingsDialogs())
            out.push_back(entry->name);
    }
}

std::vector<std::string> candidates(const std::vector<std::string>& typed)
{
    std::vector<std::string> out;
    const std::string partial = typed.empty() ? std::string() : typed.back();
    const std::vector<std::string> words(typed.begin(), typed.end() - (typed.empty() ? 0 : 1));

    // The global options, as kxalarmctl takes them, up to the command.
    std::string root = SitePaths::root();
    std::string windir;
    if (const char* env = std::getenv("KX_WINDIR"))
        windir = env;
    std::size_t i = 0;
    for (; i < words.size(); ++i) {
        if (TakeSiteOption(words, i, root, windir))
            continue;
        if (!words[i].starts_with("-"))
            break;
    }
    if (i >= words.size()) {
        if (!words.empty() && (words.back() == "--root" || words.back() == "--windir"))
            return out;
        out = {"--root", "--windir", "--yes", "--no", "--help", "--version"};
        for (const Command& command : AllCommands())
            out.push_back(command.name);
        return out;
    }
    const Command* command = FindCommand(words[i]);
    if (!command)
        return out;
    SitePaths::configure(root, windir);

    // The command's words: options with their operands, and the rest.
    const Grammar grammar = readSynopsis(*command);
    const auto findOption = [&grammar](const std::string& name) -> const Option* {
        for (const Option& option : grammar.options)
            if (option.name == name)
                return &option;
        return nullptr;
    };
    std::vector<std::string> positional;
    const Option* expecting = nullptr;  // the option whose operand is being typed
    for (++i; i < words.size(); ++i) {
        const Option* option = words[i].starts_with("--") ? findOption(words[i]) : nullptr;
        if (option && !option->argument.empty()) {
            if (i + 1 == words.size())
                expecting = option;
            ++i;
        } else if (!words[i].starts_with("-")) {
            positional.push_back(words[i]);
        }
    }

    if (expecting) {
        const std::string& argument = expecting->argument;
        if (argument == "NAME=VALUE" || expecting->name == "--button")
            addDialogNames(*command, positional, expecting->name == "--button", out);
        else if (isPlaceholder(argument))
            addPlaceholder(*command, argument, {}, out);
        else
            out = split(argument, '|');
        return out;
    }
    bool more = false;  // whether a further word of a form may follow
    if (!partial.starts_with("-")) {
        for (const auto& [f, e] : walk(grammar, positional)) {
            const std::vector<Element>& form = grammar.forms[f];
            if (e >= form.size())
                continue;
            more = true;
            const Element& element = form[e];
            out.insert(out.end(), element.words.begin(), element.words.end());
            if (!element.placeholder.empty())
                addPlaceholder(*command, element.placeholder, e > 0 ? form[e - 1].placeholder : std::string(), out);
        }
    }
    if (!more) {
        for (const Option& option : grammar.options)
            out.push_back(option.name);
        out.push_back("--help");
    }
    return out;
}

// Completion runs while the operator types: it neither asks nor reports.
class SilentMessageBoxes final : public MessageBoxHandler {
public:
    void showError(const std::string&, const std::string&) override {}
    bool askYesNo(const std::string&, const std::string&, bool) override { return false; }
    void showInfo(const std::string&, const std::string&) override {}
};

}  // namespace

int RunComplete(const Arguments& typed)
{
    // The shell splits "--set=NAME=VALUE" at each '=': the pieces are joined
    // again, so that only the word being typed stays apart.
    std::vector<std::string> words;
    bool glue = false;
    for (const std::string& word : typed) {
        if (word == "=" && !words.empty()) {
            words.back() += word;
            glue = true;
        } else if (glue) {
            words.back() += word;
            glue = false;
        } else {
            words.push_back(word);
        }
    }
    // A value after '=' has no words to offer.
    if (words.empty() || words.back().find('=') != std::string::npos)
        return kExitOk;
    SilentMessageBoxes silent;
    SetMessageBoxHandler(&silent);
    const std::vector<std::string> offered = candidates(words);
    SetMessageBoxHandler(nullptr);
    std::vector<std::string> seen;
    for (const std::string& candidate : offered)
        if (candidate.starts_with(words.back()) && std::find(seen.begin(), seen.end(), candidate) == seen.end()) {
            seen.push_back(candidate);
            std::printf("%s\n", candidate.c_str());
        }
    return kExitOk;
}

}  // namespace kx::ctl
