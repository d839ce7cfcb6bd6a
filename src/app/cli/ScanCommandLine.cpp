// The scan options of korvane-cli and the running of the scan they ask for.
#include "app/cli/ScanCommandLine.h"

#include <utility>

#include "platform/Platform.h"
#include "scan/ScanSettings.h"
#include "scan/Utf8.h"
#include "settings/SettingsAccess.h"

namespace korvane::cli {
namespace {

/// Keeps every row.
class CollectingSink : public ScanSink {
public:
    void status(const std::string&) override {}
    void rowsFound(std::vector<FoundFile>&& batch) override {
        if (rows.empty()) {
            rows = std::move(batch);
        } else {
            rows.insert(rows.end(), std::make_move_iterator(batch.begin()),
                        std::make_move_iterator(batch.end()));
        }
    }
    std::vector<FoundFile> rows;
};

void appendEscaped(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            out.push_back(static_cast<char>(byte));
            ++at;
            continue;
        }
        if (byte >= 0x80) {
            // C1 control characters (U+0080 to U+009F) are escaped byte by byte too: some
            // terminals act on them.
            const utf8::Unit unit = utf8::decode(text, at);
            if (unit.value > 0x9F && unit.value < utf8::kInvalidByteBase) {
                out.append(text.substr(at, unit.length));
                at += unit.length;
                continue;
            }
        }
        switch (byte) {
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\\':
                out += "\\\\";
                break;
            default:
                out += "\\x";
                out.push_back(kHex[byte >> 4]);
                out.push_back(kHex[byte & 0x0F]);
        }
        ++at;
    }
}

}  // namespace

ScanRequest parseScanOptions(const Arguments& arguments, const ExtraOption& extraOption) {
    ScanRequest request;
    bool optionsEnded = false;
    for (std::size_t index = 0; index < arguments.size();) {
        const std::string& argument = arguments[index];
        if (optionsEnded || !argument.starts_with("--")) {
            request.directories.push_back(argument);
            ++index;
        } else if (argument == "--") {
            optionsEnded = true;
            ++index;
        } else if (argument == "--timed") {
            request.timed = true;
            ++index;
        } else if (argument == "--pattern") {
            if (index + 1 >= arguments.size()) {
                throw UsageError("--pattern needs a pattern");
            }
            request.patterns.push_back(arguments[index + 1]);
            index += 2;
        } else if (const std::size_t taken = extraOption ? extraOption(arguments, index) : 0) {
            index += taken;
        } else {
            throw UsageError("unknown option " + argument);
        }
    }
    return request;
}

ScanOutcome runScanRequest(const Context& context, const ScanRequest& request, ScanSink& sink,
                           std::stop_token stop) {
    const SettingsAccess settings(context.settingsFile);
    const Platform platform = createSystemPlatform();
    ScanChoices choices = readScanChoices(settings, *platform.volumes, request.timed);
    if (!request.patterns.empty()) {
        choices.patterns.clear();
        for (const std::string& pattern : request.patterns) {
            choices.patterns.push_back({pattern, true});
        }
    }
    if (request.directories.empty()) {
        return RunScan(choices, *platform.volumes, *platform.folders, sink, std::move(stop));
    }
    std::vector<std::string> patterns;
    for (const PatternChoice& choice : choices.patterns) {
        if (choice.ticked) {
            patterns.push_back(choice.pattern);
        }
    }
    return ScanFolders(request.directories, patterns, choices.imageIndex, sink, std::move(stop));
}

std::vector<FoundFile> runScanRequest(const Context& context, const ScanRequest& request) {
    CollectingSink sink;
    runScanRequest(context, request, sink);
    return std::move(sink.rows);
}

std::string escapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendEscaped(out, text);
    return out;
}

void appendRowLine(std::string& out, const FoundFile& row) {
    appendEscaped(out, *row.directory);
    out.push_back('\t');
    appendEscaped(out, row.name);
    out.push_back('\t');
    out += std::to_string(row.kilobytes());
    out += "k\n";
}

}  // namespace korvane::cli
