#include "cli/values.h"

#include "cli/value_reader.h"

namespace tarnvale::cli {

void forEachValue(const Request& request, std::size_t first, report::Sink& out,
                  Diagnostics& diagnostics, const std::function<void(std::string_view)>& visit) {
    const auto& arguments = request.arguments;
    const bool readsInput = request.command != nullptr && !request.command->arguments.empty() &&
                            request.command->arguments.back().standardInput;
    if (!readsInput || arguments.size() != first + 1 || arguments[first] != "-") {
        for (std::size_t i = first; i < arguments.size(); ++i) {
            visit(arguments[i]);
        }
        return;
    }
    // Messages after the list name no line, even where a write failed amid it.
    struct LineScope {
        Diagnostics& diagnostics;
        ~LineScope() { diagnostics.atLine(0); }
    } scope{diagnostics};
    ValueReader values(*request.input, [&] {
        out.flush();
        diagnostics.flush();
    });
    while (const auto value = values.next()) {
        diagnostics.atLine(value->line);
        visit(value->text);
    }
}

}  // namespace tarnvale::cli
