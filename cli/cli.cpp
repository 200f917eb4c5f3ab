#include "cli/cli.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <memory>
#include <utility>
#include <vector>

#include "engine/gscn.h"
#include "engine/version.h"

namespace tarnvale::cli {
namespace {

constexpr std::string_view kDescription =
    "Cellular radio channel calculator: channel numbers to carrier frequencies and back for\n"
    "CDMA, GSM, WCDMA, IS-136, AMPS, LTE, NR and UMTS. Output is CSV with a header line and\n"
    "\".\" as decimal separator, or JSON Lines with --json.";

constexpr std::string_view kExitStatus =
    "A lone - in place of a list of values (CHANNEL..., FREQUENCY_MHZ..., NUMBER...) reads\n"
    "them from standard input, separated by whitespace, commas or line ends, and answers each\n"
    "as it arrives; a message about one names its line.\n"
    "Exit status: 0 on success; 1 when lookup or find finds nothing for a value, annotate\n"
    "leaves a row unannotated, or the output cannot be written (a closed pipe ends the program\n"
    "quietly); 2 on bad input, which outweighs 1. Each problem is a line on standard error.\n"
    "FORMAT and BAND match in any letter case; a band's number alone will do (\"3\" for LTE\n"
    "\"Band 3\", \"78\" for NR \"n78\", \"3\" or \"III\" for UMTS \"Band III\"). Quote names with\n"
    "spaces, e.g. tarnvale-cli convert CDMA \"Cell 800\" 991. `--` ends the options.";

std::string versionText() {
    return "tarnvale-cli " + std::string(kVersion);
}

std::string commandList() {
    std::string text = "Commands:\n";
    for (const auto& command : commandTable()) {
        std::string usage = "  " + std::string(command.name) + " " + std::string(command.usage);
        usage.resize(std::max<std::size_t>(usage.size() + 2, 34), ' ');
        text += usage + std::string(command.summary) + "\n";
    }
    return text + "\n" + std::string(kExitStatus);
}

std::string columnList(const Command& command) {
    std::string text = "Columns: ";
    for (const auto& name : command.columns) {
        text += std::string(name) + (&name == &command.columns.back() ? "\n" : ",");
    }
    return text;
}

// What the columns hold, ending with the columns of the command's other row kind.
std::string detailsOf(const Command& command) {
    std::string text(command.details);
    for (const auto& name : command.otherColumns) {
        text += &name == &command.otherColumns.front() ? "\n" : ", ";
        text += name;
    }
    return command.otherColumns.empty() ? text : text + ".";
}

// The positional names of a usage such as "[FORMAT [BAND]]" or "FORMAT BAND CHANNEL...".
std::vector<std::string> positionalNames(std::string_view usage) {
    std::vector<std::string> names;
    std::string name;
    for (const char c : std::string(usage) + " ") {
        if (c == ' ' && !name.empty()) {
            names.push_back(name);
            name.clear();
        } else if (c != ' ' && c != '[' && c != ']') {
            name += c;
        }
    }
    return names;
}

struct ArgumentMeaning {
    std::string_view name;
    std::string (*meaning)();
};

constexpr std::array<ArgumentMeaning, 6> kArgumentMeanings = {{
    {"FORMAT", [] { return std::string("a radio format, as `tarnvale-cli bands` lists them"); }},
    {"BAND", [] { return std::string("a band of the format, by name or number"); }},
    {"CHANNEL", [] { return std::string("a channel number; - reads them from standard input"); }},
    {"FREQUENCY_MHZ",
     [] {
         return std::string("a frequency in MHz, e.g. 869.04; - reads them from standard input");
     }},
    {"NUMBER", [] { return "a GSCN, " + gscnRangeText() + "; - reads them from standard input"; }},
    {"FILE",
     [] { return std::string("a CSV file with a header row; standard input if left out or -"); }},
}};

std::string meaningOf(std::string_view argument) {
    for (const auto& [name, meaning] : kArgumentMeanings) {
        if (name == argument) {
            return meaning();
        }
    }
    return {};
}

// Usage lines from the command table, which knows each command's arguments.
class UsageFormatter : public CLI::Formatter {
  public:
    std::string make_usage(const CLI::App* app, std::string) const override {
        if (app->get_parent() == nullptr) {
            return "Usage: tarnvale-cli [OPTIONS] COMMAND [ARGUMENTS]\n";
        }
        for (const auto& command : commandTable()) {
            if (command.name == app->get_name()) {
                return "Usage: tarnvale-cli " + std::string(command.name) + " [OPTIONS] " +
                       std::string(command.usage) + "\n";
            }
        }
        return CLI::Formatter::make_usage(app, app->get_name());
    }
};

class Parser {
  public:
    Parser() : app_(std::string(kDescription), "tarnvale-cli") {
        app_.formatter(std::make_shared<UsageFormatter>());
        app_.fallthrough();
        app_.set_help_flag("-h,--help", "show this help, or a command's with COMMAND --help");
        app_.set_version_flag("-V,--version", versionText(), "show the version");
        app_.add_flag("--json", request_.style.json, "JSON Lines: one object a row, no header");
        app_.add_flag("--crlf", request_.style.crlf, "end CSV lines in CRLF, as RFC 4180 has it");
        app_.add_flag("--no-header", noHeader_, "leave out the CSV header line");
        app_.footer(commandList());
        for (const auto& command : commandTable()) {
            addCommand(command);
        }
    }

    // The command and its request, or a throw of CLI11's ParseError.
    const Command* parse(std::vector<std::string> args) {
        std::ranges::reverse(args);
        app_.parse(args);
        request_.style.header = !noHeader_;
        const Entry* entry = reachedEntry();
        if (entry == nullptr) {
            return nullptr;
        }
        for (const auto* positional : entry->positionals) {
            const auto& given = positional->results();
            request_.arguments.insert(request_.arguments.end(), given.begin(), given.end());
        }
        return entry->command;
    }

    Request& request() { return request_; }
    // The help of the command the parse reached, or the program's.
    std::string help() const {
        const Entry* entry = reachedEntry();
        return entry != nullptr ? entry->subcommand->help() : app_.help();
    }
    // The command a parse reached, failed or not; nullptr before a command word.
    const Command* reached() const {
        const Entry* entry = reachedEntry();
        return entry != nullptr ? entry->command : nullptr;
    }

  private:
    struct Entry {
        const Command* command;
        CLI::App* subcommand;
        std::vector<CLI::Option*> positionals;
    };

    const Entry* reachedEntry() const {
        const auto found = std::ranges::find_if(
            entries_, [this](const Entry& e) { return app_.got_subcommand(e.subcommand); });
        return found != entries_.end() ? &*found : nullptr;
    }

    void addCommand(const Command& command) {
        auto* sub = app_.add_subcommand(std::string(command.name), std::string(command.summary));
        sub->group("");  // listed in the footer with their arguments instead
        sub->footer(detailsOf(command) + "\n" + columnList(command) +
                    "Example: " + std::string(command.example));
        std::vector<CLI::Option*> positionals;
        for (const auto& name : positionalNames(command.usage)) {
            const bool many = name.ends_with("...");
            const auto bare = many ? name.substr(0, name.size() - 3) : name;
            auto* option = sub->add_option(bare)->description(meaningOf(bare));
            if (many) {
                option->expected(-1)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
            }
            positionals.push_back(option);
        }
        for (const auto& option : command.options) {
            // Given twice, the last one counts, as in most tools.
            sub->add_option(std::string(option.flag), request_.*option.value,
                            std::string(option.help))
                ->type_name(std::string(option.valueName))
                ->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        }
        entries_.push_back({&command, sub, std::move(positionals)});
    }

    CLI::App app_;
    Request request_;
    bool noHeader_ = false;
    std::vector<Entry> entries_;
};

// CLI11's words for a parse error, in the one line this tool's messages take.
void parseError(const CLI::ParseError& e, const Command* command, Diagnostics& diagnostics) {
    if (command != nullptr && e.get_name() == "ArgumentMismatch") {
        for (const auto& option : command->options) {
            if (std::string_view(e.what()).starts_with(option.flag)) {
                diagnostics.badInput(option.whenMissing);
                return;
            }
        }
    }
    std::string message = e.what();
    std::ranges::replace(message, '\n', ' ');
    const std::string help = command != nullptr
                                 ? "tarnvale-cli " + std::string(command->name) + " --help"
                                 : "tarnvale-cli --help";
    diagnostics.badInput(message + "; try '" + help + "'");
}

// The first word that is no option names the command.
std::optional<std::string_view> commandWord(std::span<const std::string_view> args) {
    for (const auto arg : args) {
        if (arg == "--") {
            break;
        }
        if (!arg.starts_with('-')) {
            return arg;
        }
    }
    return std::nullopt;
}

bool countIsRight(const Command& command, const Request& request, Diagnostics& diagnostics) {
    const auto count = request.arguments.size();
    if (count < command.minArguments && !command.whenTooFew.empty()) {
        diagnostics.badInput(command.whenTooFew);
        return false;
    }
    if (count < command.minArguments || count > command.maxArguments) {
        diagnostics.badInput("wrong number of arguments for '" + std::string(command.name) +
                             "'; usage: tarnvale-cli " + std::string(command.name) + " " +
                             std::string(command.usage));
        return false;
    }
    return true;
}

}  // namespace

int run(std::span<const std::string_view> args, Input& input, report::Sink& out,
        Diagnostics& diagnostics) {
    const auto word = commandWord(args);
    const bool known = word && std::ranges::any_of(commandTable(), [&](const Command& c) {
                           return c.name == *word;
                       });
    if (word && !known) {
        diagnostics.badInput("unknown command '" + std::string(*word) +
                             "'; try 'tarnvale-cli --help'");
        return diagnostics.status();
    }
    // "--" ends the options: what follows is arguments, whatever it looks like.
    const auto end = std::ranges::find(args, "--");
    Parser parser;
    const Command* command = nullptr;
    try {
        command = parser.parse(std::vector<std::string>(args.begin(), end));
    } catch (const CLI::CallForHelp&) {
        out.write(parser.help());
        out.flush();
        return kExitOk;
    } catch (const CLI::CallForVersion&) {
        out.write(versionText() + "\n");
        out.flush();
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        parseError(e, parser.reached(), diagnostics);
        return diagnostics.status();
    }
    if (command == nullptr) {
        diagnostics.badInput("missing command; try 'tarnvale-cli --help'");
        return diagnostics.status();
    }
    auto& request = parser.request();
    request.input = &input;
    if (end != args.end()) {
        request.arguments.insert(request.arguments.end(), end + 1, args.end());
    }
    if (!countIsRight(*command, request, diagnostics)) {
        return diagnostics.status();
    }
    try {
        command->run(request, out, diagnostics);
        out.flush();
    } catch (const report::WriteError& e) {
        diagnostics.failure("cannot write the output: " + std::string(e.what()));
    } catch (const ReadError& e) {
        out.flush();
        diagnostics.badInput("cannot read the input: " + std::string(e.what()));
    }
    return diagnostics.status();
}

int run(std::span<const std::string_view> args, report::Sink& out, std::string& err,
        std::string standardInput) {
    report::StringSink messages;
    Diagnostics diagnostics(messages);
    TextInput input(std::move(standardInput));
    const int status = run(args, input, out, diagnostics);
    err = messages.text();
    return status;
}

}  // namespace tarnvale::cli
