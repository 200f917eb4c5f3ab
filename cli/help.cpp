#include "cli/help.h"

#include <algorithm>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/version.h"

namespace tarnvale::cli {
namespace {

constexpr std::size_t kWidth = 80;

constexpr std::string_view kDescription =
    "Cellular radio channel calculator: channel numbers to carrier frequencies and back for "
    "CDMA, GSM, WCDMA, IS-136, AMPS, LTE, NR and UMTS. Output is CSV with a header line and "
    "\".\" as decimal separator, or JSON Lines with --json.";

constexpr std::string_view kConventions =
    "A lone - in place of a list of values (CHANNEL..., FREQUENCY_MHZ..., NUMBER...) reads "
    "them from standard input, separated by whitespace, commas or line ends, and answers each "
    "as it arrives; a message about one names its line.\n"
    "Exit status: 0 on success; 1 when lookup or find finds nothing for a value, annotate "
    "leaves a row unannotated, or the output cannot be written (a closed pipe ends the program "
    "quietly); 2 on bad input, which outweighs 1. Each problem is a line on standard error.\n"
    "FORMAT and BAND match in any letter case; a band's number alone will do (\"3\" for LTE "
    "\"Band 3\", \"78\" for NR \"n78\", \"3\" or \"III\" for UMTS \"Band III\"). Quote names "
    "with spaces, e.g. tarnvale-cli convert CDMA \"Cell 800\" 991. `--` ends the options.";

constexpr std::string_view kVersionFlags = "-V, --version";

// The options of the program, which every command takes besides its own, but for the version.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kGlobalOptions = {{
    {"-h, --help", "show this help, or a command's with COMMAND --help"},
    {kVersionFlags, "show the version"},
    {"--json", "JSON Lines: one object a row, no header"},
    {"--crlf", "end CSV lines in CRLF, as RFC 4180 has it"},
    {"--no-header", "leave out the CSV header line"},
}};

// The paragraphs of `text` (split at line breaks), each wrapped at spaces to the width, lines
// after a paragraph's first indented by `hang`.
std::string wrapped(std::string_view text, std::size_t hang = 0, std::size_t firstColumn = 0) {
    std::string out;
    std::size_t column = firstColumn;
    std::size_t lineStart = 0;
    const auto newLine = [&] {
        out += '\n';
        out.append(hang, ' ');
        column = hang;
        lineStart = out.size();
    };
    std::size_t at = 0;
    while (at <= text.size()) {
        const std::size_t end = std::min(text.find_first_of(" \n", at), text.size());
        const std::string_view word = text.substr(at, end - at);
        if (!word.empty()) {
            const bool first = out.size() == lineStart;
            if (!first && column + 1 + word.size() > kWidth) {
                newLine();
            } else if (!first) {
                out += ' ';
                ++column;
            }
            out += word;
            column += word.size();
        }
        if (end < text.size() && text[end] == '\n') {
            out += '\n';
            column = 0;
            lineStart = out.size();
        }
        at = end + 1;
    }
    return out;
}

// Two columns: names, and what each is, wrapped beside them.
std::string table(const std::vector<std::pair<std::string, std::string_view>>& rows) {
    std::size_t width = 0;
    for (const auto& [name, help] : rows) {
        width = std::max(width, name.size());
    }
    const std::size_t hang = std::min<std::size_t>(2 + width + 2, 36);
    std::string out;
    for (const auto& [name, help] : rows) {
        std::string line = "  " + name;
        if (line.size() + 2 > hang) {
            out += line + "\n";
            line.clear();
        }
        line.resize(hang, ' ');
        out += line + wrapped(help, hang, hang) + "\n";
    }
    return out;
}

// "Columns: a,b,c", broken after a comma where it runs past the width.
std::string columnLine(std::span<const std::string_view> columns) {
    std::string out = "Columns: ";
    std::size_t column = out.size();
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string item = std::string(columns[i]) + (i + 1 < columns.size() ? "," : "");
        if (column + item.size() > kWidth) {
            out += "\n  ";
            column = 2;
        }
        out += item;
        column += item.size();
    }
    return out + "\n";
}

std::string argumentHelp(const Argument& argument, bool standardInput) {
    std::string help(argument.help);
    if (argument.standardInput && standardInput) {
        help += "; - reads them from standard input";
    }
    return help;
}

}  // namespace

std::string versionText() {
    return "tarnvale-cli " + std::string(kVersion);
}

std::string programHelp() {
    std::string text = "Usage: tarnvale-cli [OPTIONS] COMMAND [ARGUMENTS]\n";
    text += wrapped(kDescription) + "\n\nOptions:\n";
    std::vector<std::pair<std::string, std::string_view>> rows(kGlobalOptions.begin(),
                                                                kGlobalOptions.end());
    text += table(rows) + "\nCommands:\n";
    std::vector<std::pair<std::string, std::string_view>> commands;
    for (const auto* command : commandTable()) {
        commands.emplace_back(std::string(command->name) + " " + usageOf(*command),
                              command->summary);
    }
    return text + table(commands) + "\n" + wrapped(kConventions) + "\n";
}

std::string commandHelp(const Command& command) {
    return commandHelp(
        command, {.usage = "Usage: tarnvale-cli " + std::string(command.name) + " [OPTIONS] " +
                           usageOf(command),
                  .argument = [](const Argument& argument) { return std::string(argument.name); },
                  .option =
                      [](const Option& option) {
                          std::string flag(option.flag);
                          if (!option.valueName.empty()) {
                              flag.append(" ").append(option.valueName);
                          }
                          return flag;
                      },
                  .example = std::string(command.example),
                  .programOptions = true,
                  .standardInput = true,
                  .optionsTitle = "Options"});
}

std::string commandHelp(const Command& command, const HelpNames& names) {
    std::string text = names.usage + "\n" + std::string(command.summary) + "\n";
    std::vector<std::pair<std::string, std::string>> arguments;
    for (const auto& argument : command.arguments) {
        arguments.emplace_back(names.argument(argument),
                               argumentHelp(argument, names.standardInput));
    }
    std::vector<std::pair<std::string, std::string_view>> rows(arguments.begin(), arguments.end());
    if (!rows.empty()) {
        text += "\nArguments:\n" + table(rows);
    }
    rows.clear();
    for (const auto* option : command.options) {
        rows.emplace_back(names.option(*option), option->help);
    }
    for (const auto& [flags, help] : kGlobalOptions) {
        if (names.programOptions && flags != kVersionFlags) {
            rows.emplace_back(flags, help);
        }
    }
    if (!rows.empty()) {
        text += "\n" + std::string(names.optionsTitle) + ":\n" + table(rows);
    }
    text += "\n";
    std::string details(command.details);
    for (const auto& other : command.otherRows) {
        details.append(details.empty() ? "" : " ").append(other.intro);
        for (const auto name : other.columns) {
            details.append(name == other.columns.front() ? " " : ", ").append(name);
        }
        details += ".";
    }
    if (!details.empty()) {
        text += wrapped(details) + "\n";
    }
    if (!command.columns.empty()) {
        text += columnLine(command.columns);
    }
    return text + wrapped("Example: " + names.example, 2) + "\n";
}

}  // namespace tarnvale::cli
