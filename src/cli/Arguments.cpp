#include "Arguments.h"

#include <algorithm>

namespace kartavel::cli {

const std::string* Arguments::option(std::string_view name) const {
    const auto it = options.find(std::string(name));
    return it == options.end() ? nullptr : &it->second;
}

namespace {

bool contains(const std::vector<std::string_view>& list, std::string_view s) {
    return std::find(list.begin(), list.end(), s) != list.end();
}

} // namespace

ParseResult parseArguments(const std::vector<std::string>& argv,
                           const std::vector<CommandSyntax>& commands) {
    ParseResult r;
    Arguments& a = r.args;
    const CommandSyntax* syntax = nullptr;
    bool onlyPositionals = false;
    for (std::size_t i = 0; i < argv.size(); ++i) {
        const std::string& word = argv[i];
        if (!onlyPositionals && word == "--") {
            onlyPositionals = true;
            continue;
        }
        const bool isOption = !onlyPositionals && word.size() > 1 && word[0] == '-';
        if (!isOption) {
            if (!syntax) {
                for (const auto& c : commands)
                    if (c.name == word)
                        syntax = &c;
                if (!syntax) {
                    r.error = "Bilinmeyen komut: " + word;
                    return r;
                }
                a.command = word;
            } else {
                a.positionals.push_back(word);
            }
            continue;
        }
        std::string name = word;
        std::optional<std::string> inlineValue;
        if (const auto eq = word.find('='); eq != std::string::npos && word.rfind("--", 0) == 0) {
            name = word.substr(0, eq);
            inlineValue = word.substr(eq + 1);
        }
        auto takeValue = [&]() -> std::optional<std::string> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < argv.size())
                return argv[++i];
            return std::nullopt;
        };
        if (name == "--help" || name == "-h") {
            a.help = true;
        } else if (name == "--version") {
            a.version = true;
        } else if (name == "--password-stdin" && !inlineValue) {
            a.passwordStdin = true;
        } else if (name == "--commands") {
            a.listCommands = true;
        } else if (name == "--data") {
            const auto v = takeValue();
            if (!v) {
                r.error = "--data için bir klasör verilmeli";
                return r;
            }
            a.dataFolder = *v;
        } else if (syntax && contains(syntax->valueOptions, name)) {
            const auto v = takeValue();
            if (!v) {
                r.error = name + " için bir değer verilmeli";
                return r;
            }
            a.options[name] = *v;
        } else if (syntax && contains(syntax->flagOptions, name) && !inlineValue) {
            a.flags.insert(name);
        } else {
            r.error = "Bilinmeyen seçenek: " + word;
            return r;
        }
    }
    if (syntax && !a.help) {
        const int n = static_cast<int>(a.positionals.size());
        if (n < syntax->minPositionals)
            r.error = a.command + ": eksik bağımsız değişken";
        else if (n > syntax->maxPositionals)
            r.error = a.command + ": fazla bağımsız değişken: " + a.positionals.back();
    }
    return r;
}

std::string commandList(const std::vector<CommandSyntax>& commands) {
    std::string out;
    for (const auto& c : commands) {
        out += c.name;
        for (std::string_view o : c.valueOptions)
            (out += ' ').append(o) += '=';
        for (std::string_view o : c.flagOptions)
            (out += ' ').append(o);
        out += '\n';
    }
    return out;
}

} // namespace kartavel::cli
