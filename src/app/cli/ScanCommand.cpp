// korvane-cli scan: prints the rows of a scan as they are found, then the total.
#include <ostream>
#include <string>

#include "app/cli/CliCommands.h"
#include "app/cli/ScanCommandLine.h"
#include "settings/UserError.h"

namespace korvane::cli {
namespace {

/// Writes each row's line, in large chunks.
class PrintingSink : public ScanSink {
public:
    explicit PrintingSink(std::ostream& out) : out_(out) { buffer_.reserve(kChunk + 4096); }
    ~PrintingSink() override { flush(); }
    PrintingSink(const PrintingSink&) = delete;
    PrintingSink& operator=(const PrintingSink&) = delete;

    void status(const std::string&) override {}
    void rowsFound(std::vector<FoundFile>&& rows) override {
        for (const FoundFile& row : rows) {
            appendRowLine(buffer_, row);
            if (buffer_.size() >= kChunk) {
                flush();
            }
        }
    }
    void flush() {
        out_.write(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
        buffer_.clear();
    }

private:
    static constexpr std::size_t kChunk = 64 * 1024;
    std::ostream& out_;
    std::string buffer_;
};

}  // namespace

int runScan(const Context& context, const Arguments& arguments) {
    ScanRequest request;
    try {
        request = parseScanOptions(arguments);
    } catch (const UsageError& error) {
        context.err << "korvane-cli: scan: " << error.what() << "\n"
                    << "Usage: korvane-cli [--settings FILE] scan [--timed] [--pattern P]... "
                       "[DIR]...\n";
        return kExitUsage;
    }
    try {
        PrintingSink sink(context.out);
        const ScanOutcome outcome = runScanRequest(context, request, sink);
        sink.flush();
        context.out << totalFilesText(outcome.totalKilobytes) << "\n";
        context.out.flush();
    } catch (const UserError& error) {
        context.err << "korvane-cli: " << error.what() << "\n";
        return kExitFailed;
    }
    return context.out ? kExitOk : kExitFailed;
}

}  // namespace korvane::cli
