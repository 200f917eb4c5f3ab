#include "python/command_calls.h"

#include <algorithm>
#include <cctype>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "cli/help.h"
#include "python/json_rows.h"
#include "report/sink.h"

namespace tarnvale::python {
namespace py = pybind11;
namespace {

constexpr std::string_view kMessagePrefix = "tarnvale-cli: ";

// "offset_to_carrier" for --offset-to-carrier.
std::string keywordOf(const cli::Option& option) {
    std::string name(option.flag.substr(2));
    std::ranges::replace(name, '-', '_');
    return name;
}

// "channel" for CHANNEL, "frequency_mhz" for FREQUENCY_MHZ..., "channel" for
// CHANNEL:BANDWIDTH[:SCS].
std::string parameterOf(const cli::Argument& argument) {
    std::string name;
    for (const char c : argument.name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_') {
            break;
        }
        name += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return name;
}

const cli::Option* optionNamed(const cli::Command& command, std::string_view keyword) {
    const auto found = std::ranges::find_if(
        command.options, [&](const cli::Option* option) { return keywordOf(*option) == keyword; });
    return found == command.options.end() ? nullptr : *found;
}

bool isText(py::handle value) {
    return py::isinstance<py::str>(value) || py::isinstance<py::bytes>(value);
}

// The text a Python value stands for on a command line: an iterable (a list, a tuple, an array)
// gives one argument for each of its items.
void appendArguments(py::handle value, std::vector<std::string>& out) {
    if (!isText(value) && py::isinstance<py::iterable>(value)) {
        for (const auto item : value) {
            appendArguments(item, out);
        }
        return;
    }
    out.push_back(py::str(value));
}

std::vector<std::string> commandLine(const cli::Command& command, const py::args& args,
                                     const py::kwargs& kwargs) {
    std::vector<std::string> line{"--json", std::string(command.name)};
    for (const auto& [key, value] : kwargs) {
        const std::string keyword = py::str(key);
        if (value.is_none() || (py::isinstance<py::bool_>(value) && !value.cast<bool>())) {
            continue;
        }
        const auto* option = optionNamed(command, keyword);
        std::string flag = option ? std::string(option->flag) : "--" + keyword;
        std::ranges::replace(flag, '_', '-');
        line.push_back(flag);
        if (!py::isinstance<py::bool_>(value) && !(option && option->valueName.empty())) {
            line.push_back(py::str(value));
        }
    }
    // Arguments come after "--", so that a negative number is an argument too.
    line.emplace_back("--");
    for (const auto argument : args) {
        appendArguments(argument, line);
    }
    return line;
}

// The messages without the program's name, a line each.
std::string messagesOf(std::string_view err) {
    std::string out;
    while (!err.empty()) {
        const std::size_t end = std::min(err.find('\n'), err.size());
        std::string_view line = err.substr(0, end);
        if (line.starts_with(kMessagePrefix)) {
            line.remove_prefix(kMessagePrefix.size());
        }
        out.append(out.empty() ? "" : "\n").append(line);
        err.remove_prefix(std::min(end + 1, err.size()));
    }
    return out;
}

// A Python literal for a word of a command line: numbers as they stand, texts quoted.
std::string literalOf(std::string_view word) {
    const bool number =
        !word.empty() &&
        std::ranges::all_of(
            word,
            [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == '.'; }) &&
        std::ranges::count(word, '.') <= 1 && word.front() != '.' && word.back() != '.';
    return number ? std::string(word) : "'" + std::string(word) + "'";
}

// The words of a command line, a double-quoted one whole.
std::vector<std::string> wordsOf(std::string_view text) {
    std::vector<std::string> words;
    std::string word;
    bool quoted = false;
    bool any = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if (c == ' ' && !quoted) {
            if (any) {
                words.push_back(word);
            }
            word.clear();
            any = false;
        } else {
            word += c;
            any = true;
        }
    }
    if (any) {
        words.push_back(word);
    }
    return words;
}

// The command's example as a Python call: tarnvale.carrier('NR', 'n78', 636666, bandwidth=100).
std::string exampleOf(const cli::Command& command) {
    const auto words = wordsOf(command.example);
    auto at = std::ranges::find(words, std::string(command.name));
    std::vector<std::string> positional;
    std::vector<std::string> keywords;
    for (at = at == words.end() ? at : at + 1; at != words.end(); ++at) {
        if (*at == "|" || *at == ">" || *at == "<") {
            break;  // the shell's part of the example
        }
        if (!at->starts_with("--")) {
            positional.push_back(literalOf(*at));
            continue;
        }
        const auto keyword = std::string(at->substr(2));
        const auto* option = optionNamed(command, [&] {
            std::string name = keyword;
            std::ranges::replace(name, '-', '_');
            return name;
        }());
        if (option == nullptr) {
            continue;  // an output option of the command line, such as --json
        }
        const bool flag = option->valueName.empty() || at + 1 == words.end();
        keywords.push_back(keywordOf(*option) + "=" + (flag ? "True" : literalOf(*++at)));
    }
    std::string call = "tarnvale." + std::string(command.name) + "(";
    positional.insert(positional.end(), keywords.begin(), keywords.end());
    for (std::size_t i = 0; i < positional.size(); ++i) {
        call += (i == 0 ? "" : ", ") + positional[i];
    }
    return call + ")";
}

std::string signatureOf(const cli::Command& command) {
    std::vector<std::string> parameters;
    for (const auto& argument : command.arguments) {
        const auto name = parameterOf(argument);
        parameters.push_back(argument.repeats    ? "*" + name
                             : argument.optional ? name + "=None"
                                                 : name);
    }
    for (const auto* option : command.options) {
        parameters.push_back(keywordOf(*option) + (option->valueName.empty() ? "=False" : "=None"));
    }
    std::string text = "tarnvale." + std::string(command.name) + "(";
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        text += (i == 0 ? "" : ", ") + parameters[i];
    }
    return text + ") -> list[dict]";
}

}  // namespace

py::list callCommand(const cli::Command& command, const py::args& args, const py::kwargs& kwargs) {
    const auto line = commandLine(command, args, kwargs);
    const std::vector<std::string_view> views(line.begin(), line.end());
    report::StringSink out;
    std::string err;
    int status = 0;
    {
        py::gil_scoped_release unlocked;
        status = cli::run(views, out, err);
    }
    if (status == 2) {
        throw Error(messagesOf(err));
    }
    return rowsOf(out.text());
}

std::string docstringOf(const cli::Command& command) {
    return cli::commandHelp(
        command,
        {.usage = signatureOf(command),
         .argument =
             [](const cli::Argument& argument) {
                 return (argument.repeats ? "*" : "") + parameterOf(argument);
             },
         .option =
             [](const cli::Option& option) {
                 return keywordOf(option) + "=" +
                        (option.valueName.empty() ? "True" : std::string(option.valueName));
             },
         .example = exampleOf(command),
         .programOptions = false,
         .standardInput = false,
         .optionsTitle = "Keyword arguments"});
}

}  // namespace tarnvale::python
