#include "cli/cli.h"
#include "engine/input_text.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <deque>
#include <memory>
#include <utility>
#include <vector>

#include "cli/help.h"

namespace tarnvale::cli {
namespace {

class Parser {
  public:
    Parser() : app_("", "tarnvale-cli") {
        app_.fallthrough();
        app_.set_help_flag("-h,--help");
        app_.set_version_flag("-V,--version", versionText());
        app_.add_flag("--json", request_.style.json);
        app_.add_flag("--crlf", request_.style.crlf);
        app_.add_flag("--no-header", noHeader_);
        for (const auto* command : commandTable()) {
            addCommand(*command);
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
        request_.command = entry->command;
        for (const auto* positional : entry->positionals) {
            const auto& given = positional->results();
            request_.arguments.insert(request_.arguments.end(), given.begin(), given.end());
        }
        for (const auto& [flag, option] : entry->options) {
            if (option->count() > 0) {
                const auto& given = option->results();
                request_.values[flag] = given.empty() ? std::string() : given.back();
            }
        }
        return entry->command;
    }

    Request& request() { return request_; }
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
        std::vector<std::pair<std::string_view, CLI::Option*>> options;
    };

    const Entry* reachedEntry() const {
        const auto found = std::ranges::find_if(
            entries_, [this](const Entry& e) { return app_.got_subcommand(e.subcommand); });
        return found != entries_.end() ? &*found : nullptr;
    }

    void addCommand(const Command& command) {
        auto* sub = app_.add_subcommand(std::string(command.name));
        Entry entry{&command, sub, {}, {}};
        for (const auto& argument : command.arguments) {
            auto* option = sub->add_option(std::string(argument.name));
            if (argument.repeats) {
                option->expected(-1)->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
            }
            entry.positionals.push_back(option);
        }
        for (const auto* option : command.options) {
            const std::string flag(option->flag);
            // Given twice, the last one counts, as in most tools.
            auto* added =
                option->valueName.empty()
                    ? sub->add_flag(flag)
                    : sub->add_option(flag)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
            entry.options.emplace_back(option->flag, added);
        }
        entries_.push_back(std::move(entry));
    }

    CLI::App app_;
    Request request_;
    bool noHeader_ = false;
    std::vector<Entry> entries_;
};

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

std::string helpHint(const Command* command) {
    return command != nullptr ? "; try 'tarnvale-cli " + std::string(command->name) + " --help'"
                              : "; try 'tarnvale-cli --help'";
}

// What CLI11 found wrong, in the tool's own words. A mistake before the command word is the
// program's, and its help is the one to read.
void parseError(const CLI::ParseError& e, const Command* command,
                std::span<const std::string_view> args, Diagnostics& diagnostics) {
    std::string what = e.what();
    if (command != nullptr && dynamic_cast<const CLI::ArgumentMismatch*>(&e) != nullptr) {
        for (const auto* option : command->options) {
            if (what.starts_with(option->flag)) {
                diagnostics.badInput(option->whenMissing);
                return;
            }
        }
    }
    // CLI11 names an extra argument's error after the command it follows.
    if (dynamic_cast<const CLI::ExtrasError*>(&e) != nullptr) {
        const std::string extra = what.substr(what.find(": ") + 2);
        const std::string first = extra.substr(0, extra.find(' '));
        const auto word = std::ranges::find(args, command != nullptr ? command->name : "");
        const bool global = std::ranges::find(args.begin(), word, first) != word;
        if (first.starts_with('-')) {
            diagnostics.badInput(command == nullptr || global
                                     ? "unknown option " + inQuotes(first) + helpHint(nullptr)
                                     : std::string(command->name) + " has no option " +
                                           inQuotes(first) + helpHint(command));
        } else if (command == nullptr) {
            diagnostics.badInput("unexpected argument " + inQuotes(first) + helpHint(nullptr));
        } else {
            diagnostics.badInput("unexpected argument " + inQuotes(first) +
                                 "; usage: tarnvale-cli " + std::string(command->name) + " " +
                                 usageOf(*command));
        }
        return;
    }
    std::ranges::replace(what, '\n', ' ');
    if (!what.empty()) {
        what.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(what.front())));
    }
    diagnostics.badInput(what + helpHint(command));
}

bool countIsRight(const Command& command, const Request& request, Diagnostics& diagnostics) {
    const auto count = request.arguments.size();
    if (count < fewestArguments(command) && !command.whenTooFew.empty()) {
        diagnostics.badInput(command.whenTooFew);
        return false;
    }
    if (count < fewestArguments(command) || count > mostArguments(command)) {
        diagnostics.badInput("wrong number of arguments for '" + std::string(command.name) +
                             "'; usage: tarnvale-cli " + std::string(command.name) + " " +
                             usageOf(command));
        return false;
    }
    return true;
}

// Parses the command line and runs its command; answers help and version.
void parseAndRun(std::span<const std::string_view> args, Input& input, report::Sink& out,
                 Diagnostics& diagnostics) {
    const auto word = commandWord(args);
    const bool known = word && std::ranges::any_of(commandTable(), [&](const Command* c) {
                           return c->name == *word;
                       });
    if (word && !known) {
        diagnostics.badInput("unknown command " + inQuotes(*word) + "; try 'tarnvale-cli --help'");
        return;
    }
    // "--" ends the options: what follows is arguments, whatever it looks like.
    const auto end = std::ranges::find(args, "--");
    Parser parser;
    const Command* command = nullptr;
    try {
        command = parser.parse(std::vector<std::string>(args.begin(), end));
    } catch (const CLI::CallForHelp&) {
        const Command* reached = parser.reached();
        out.write(reached != nullptr ? commandHelp(*reached) : programHelp());
        return;
    } catch (const CLI::CallForVersion&) {
        out.write(versionText() + "\n");
        return;
    } catch (const CLI::ParseError& e) {
        parseError(e, parser.reached(), {args.begin(), end}, diagnostics);
        return;
    }
    if (command == nullptr) {
        diagnostics.badInput("missing command; try 'tarnvale-cli --help'");
        return;
    }
    auto& request = parser.request();
    request.input = &input;
    if (end != args.end()) {
        request.arguments.insert(request.arguments.end(), end + 1, args.end());
    }
    if (countIsRight(*command, request, diagnostics)) {
        command->run(request, out, diagnostics);
    }
}

}  // namespace

int run(std::span<const std::string_view> args, Input& input, report::Sink& out,
        Diagnostics& diagnostics) {
    try {
        parseAndRun(args, input, out, diagnostics);
        out.flush();
    } catch (const report::WriteError& e) {
        // The output failed, not the input line being read.
        diagnostics.atLine(0);
        diagnostics.failure("cannot write the output: " + std::string(e.what()));
    } catch (const ReadError& e) {
        diagnostics.badInput("cannot read the input: " + std::string(e.what()));
        try {
            out.flush();
        } catch (const report::WriteError& w) {
            diagnostics.failure("cannot write the output: " + std::string(w.what()));
        }
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
