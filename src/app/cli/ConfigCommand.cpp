// korvane-cli config: reads, writes and removes single keys of the settings file through the
// same access object the window program uses.
#include <optional>
#include <ostream>
#include <string>

#include "app/cli/CliCommands.h"
#include "settings/SettingsAccess.h"
#include "settings/UserError.h"
#include "settings/WholeNumber.h"

namespace korvane::cli {
namespace {

constexpr const char* kConfigUsage =
    "Usage: korvane-cli [--settings FILE] config get SECTION KEY [--default TEXT]\n"
    "       korvane-cli [--settings FILE] config get-int SECTION KEY [--default N]\n"
    "       korvane-cli [--settings FILE] config set SECTION KEY VALUE\n"
    "       korvane-cli [--settings FILE] config remove SECTION KEY\n";

int usage(const Context& context, const std::string& problem) {
    context.err << "korvane-cli: config: " << problem << "\n" << kConfigUsage;
    return kExitUsage;
}

// The arguments of get and get-int: SECTION KEY, and --default VALUE anywhere among them.
struct GetArguments {
    Arguments positional;
    std::optional<std::string> defaultValue;
};

std::optional<GetArguments> splitGetArguments(const Arguments& arguments) {
    GetArguments result;
    for (std::size_t index = 1; index < arguments.size(); ++index) {
        if (arguments[index] == "--default") {
            if (result.defaultValue || index + 1 == arguments.size())
                return std::nullopt;
            result.defaultValue = arguments[++index];
        } else {
            result.positional.push_back(arguments[index]);
        }
    }
    if (result.positional.size() != 2)
        return std::nullopt;
    return result;
}

}  // namespace

int runConfig(const Context& context, const Arguments& arguments) {
    if (arguments.empty())
        return usage(context, "missing subcommand");
    const std::string& subcommand = arguments[0];
    SettingsAccess settings(context.settingsFile);
    try {
        if (subcommand == "get" || subcommand == "get-int") {
            const auto parsed = splitGetArguments(arguments);
            if (!parsed)
                return usage(context, "expected SECTION KEY [--default VALUE]");
            const std::string& section = parsed->positional[0];
            const std::string& key = parsed->positional[1];
            if (subcommand == "get") {
                context.out << settings.readText(section, key, parsed->defaultValue.value_or(""))
                            << "\n";
                return kExitOk;
            }
            std::int32_t defaultValue = 0;
            if (parsed->defaultValue) {
                const auto number = parseWholeNumber(*parsed->defaultValue);
                if (!number)
                    return usage(context, "--default needs a whole number");
                defaultValue = *number;
            }
            context.out << settings.readInteger(section, key, defaultValue) << "\n";
            return kExitOk;
        }
        if (subcommand == "set") {
            if (arguments.size() != 4)
                return usage(context, "expected SECTION KEY VALUE");
            settings.writeText(arguments[1], arguments[2], arguments[3]);
            return kExitOk;
        }
        if (subcommand == "remove") {
            if (arguments.size() != 3)
                return usage(context, "expected SECTION KEY");
            // A removal on its own reports nothing; in a batch, its commit reports a failed write.
            settings.beginBatch();
            settings.removeKey(arguments[1], arguments[2]);
            settings.commitBatch();
            return kExitOk;
        }
    } catch (const UserError& error) {
        context.err << "korvane-cli: " << error.what() << "\n";
        return kExitFailed;
    }
    return usage(context, "unknown subcommand " + subcommand);
}

}  // namespace korvane::cli
