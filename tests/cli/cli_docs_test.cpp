#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "cli/command.h"

// The man page and the README describe the commands the tool has, with their arguments and
// columns.
namespace tarnvale::cli {
namespace {

std::string fileText(const std::string& relativePath) {
    std::ifstream in(std::string(TARNVALE_SOURCE_DIR) + "/" + relativePath);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Names that follow the pattern's first group everywhere in the text.
std::set<std::string> namesMatching(const std::string& text, const std::regex& pattern) {
    std::set<std::string> names;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), pattern);
         it != std::sregex_iterator(); ++it) {
        names.insert((*it)[1]);
    }
    return names;
}

std::set<std::string> commandNames() {
    std::set<std::string> names;
    for (const auto* command : commandTable()) {
        names.emplace(command->name);
    }
    return names;
}

std::string joined(std::span<const std::string_view> names, std::string_view separator) {
    std::string text;
    for (const auto name : names) {
        text.append(text.empty() ? std::string_view() : separator).append(name);
    }
    return text;
}

// Every list of columns a command writes, each once: commands that share a row kind share it.
std::set<std::string> columnLists(std::string_view separator) {
    std::set<std::string> lists;
    for (const auto* command : commandTable()) {
        lists.insert(joined(command->columns, separator));
        for (const auto& other : command->otherRows) {
            lists.insert(joined(other.columns, separator));
        }
    }
    return lists;
}

TEST(CliDocs, ManPageListsEveryCommandWithItsColumns) {
    const auto man = fileText("data/tarnvale-cli.1.in");
    ASSERT_FALSE(man.empty());
    // Each command has an entry ".TP" then ".B name" or ".BI name" under COMMANDS.
    const std::string commands = man.substr(man.find(".SH COMMANDS"));
    EXPECT_EQ(namesMatching(commands.substr(0, commands.find(".SH", 4)),
                            std::regex(R"(\.TP\n\.B ([a-z0-9]+))")),
              commandNames());
    for (const auto* command : commandTable()) {
        EXPECT_NE(man.find(".B tarnvale-cli " + std::string(command->name)), std::string::npos)
            << command->name << " in the synopsis";
    }
    std::string flowing = man;
    std::ranges::replace(flowing, '\n', ' ');
    for (const auto& columns : columnLists(", ")) {
        EXPECT_NE(flowing.find("Columns: " + columns + "."), std::string::npos) << columns;
    }
}

TEST(CliDocs, ReadmeListsEveryCommand) {
    const auto readme = fileText("README.md");
    ASSERT_FALSE(readme.empty());
    EXPECT_EQ(namesMatching(readme, std::regex(R"(\| `tarnvale-cli ([a-z0-9]+))")), commandNames());
    for (const auto& columns : columnLists(",")) {
        EXPECT_NE(readme.find("`" + columns + "`"), std::string::npos) << columns;
    }
}

}  // namespace
}  // namespace tarnvale::cli
