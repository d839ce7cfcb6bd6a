// The scan run: the drive loop, the special folders and the total. Each drive is walked once
// for all its ticked patterns; the first pattern's rows stream out as they are found and the
// others are held until the walk ends, so the rows come in the order of one walk per pattern.
#include "scan/ScanRun.h"

#include <chrono>
#include <memory>
#include <utility>

#include "scan/FileFinder.h"
#include "scan/WildcardPattern.h"
#include "settings/WholeNumber.h"

namespace korvane {
namespace {

constexpr std::size_t kBatchRows = 512;
constexpr auto kBatchInterval = std::chrono::milliseconds(100);
constexpr std::int64_t kDefaultThresholdMegabytes = 100;

const char* statusTextOf(SpecialFolder folder) {
    switch (folder) {
        case SpecialFolder::Temp:
            return "Scanning: Temp";
        case SpecialFolder::InternetCache:
            return "Scanning: Cache";
        case SpecialFolder::Cookies:
            return "Scanning: Cookies";
    }
    return "Scanning: Temp";
}

/// Turns found files into rows, hands them to the sink in batches and keeps the total.
class RowCollector : public FinderVisitor {
public:
    RowCollector(ScanSink& sink, int imageIndex, std::stop_token stop)
        : sink_(sink), imageIndex_(imageIndex), stop_(std::move(stop)) {}

    /// One walk of a folder for the patterns, delivering every pattern's rows in turn after
    /// its status text ("Scanning: " and the pattern; `firstStatus` for the first). Returns
    /// false when a stop request ended it.
    bool walk(const std::string& folder, const std::vector<WildcardPattern>& patterns,
              const std::string& firstStatus) {
        sink_.status(firstStatus);
        held_.assign(patterns.size() - 1, {});
        lastSerial_ = 0;
        const bool complete = findFilesForPatterns(folder, patterns, *this);
        flush();
        if (!complete) {
            held_.clear();
            return false;
        }
        for (std::size_t index = 1; index < patterns.size(); ++index) {
            sink_.status("Scanning: " + patterns[index].text());
            if (stopRequested()) {
                held_.clear();
                return false;
            }
            std::vector<FoundFile>& rows = held_[index - 1];
            for (const FoundFile& row : rows) {
                count(row);
            }
            if (!rows.empty()) {
                sink_.rowsFound(std::move(rows));
            }
        }
        held_.clear();
        return true;
    }

    bool fileFound(std::size_t patternIndex, const std::string& directory,
                   const SearchRecord& record) override {
        if (record.folderSerial != lastSerial_ || !directory_) {
            directory_ = std::make_shared<const std::string>(directory);
            lastSerial_ = record.folderSerial;
        }
        FoundFile row{directory_, std::string(record.name), record.size, imageIndex_};
        if (patternIndex == 0) {
            count(row);
            batch_.push_back(std::move(row));
            if (batch_.size() >= kBatchRows) {
                flush();
            }
        } else {
            held_[patternIndex - 1].push_back(std::move(row));
        }
        return !stopRequested();
    }

    bool enteringFolder(const std::string&) override {
        if (!batch_.empty() && Clock::now() - lastFlush_ >= kBatchInterval) {
            flush();
        }
        return !stopRequested();
    }

    bool stopRequested() const { return stop_.stop_requested(); }
    const ScanOutcome& outcome() const { return outcome_; }
    void markStopped() { outcome_.stopped = true; }

private:
    using Clock = std::chrono::steady_clock;

    void count(const FoundFile& row) {
        outcome_.totalKilobytes += row.kilobytes();
        ++outcome_.rowCount;
    }

    void flush() {
        lastFlush_ = Clock::now();
        if (!batch_.empty()) {
            sink_.rowsFound(std::move(batch_));
            batch_ = {};
        }
    }

    ScanSink& sink_;
    const int imageIndex_;
    const std::stop_token stop_;
    ScanOutcome outcome_;
    std::vector<FoundFile> batch_;
    std::vector<std::vector<FoundFile>> held_;
    std::shared_ptr<const std::string> directory_;
    std::uint64_t lastSerial_ = 0;
    Clock::time_point lastFlush_ = Clock::now();
};

/// The selection rule of drive items and special-folder boxes.
class Selection {
public:
    Selection(const ScanChoices& choices, const Volumes& volumes)
        : choices_(choices), volumes_(volumes) {}

    bool selects(bool ticked, int driveNumber) const {
        if (!ticked) {
            return false;
        }
        if (!choices_.timed || !choices_.onlyScanLowSpace) {
            return true;
        }
        const std::optional<std::uint64_t> freeBytes = volumes_.freeBytes(driveNumber);
        const auto freeKilobytes = static_cast<std::int64_t>(freeBytes ? *freeBytes / 1024 : 0);
        return freeKilobytes <= thresholdMegabytes(choices_.thresholdText) * 1024;
    }

private:
    const ScanChoices& choices_;
    const Volumes& volumes_;
};

}  // namespace

ScanOutcome ScanFolders(const std::vector<std::string>& folders,
                        const std::vector<std::string>& patterns, int imageIndex, ScanSink& sink,
                        std::stop_token stop) {
    RowCollector collector(sink, imageIndex, std::move(stop));
    std::vector<WildcardPattern> compiled;
    for (const std::string& pattern : patterns) {
        compiled.emplace_back(pattern.empty() ? "*.*" : pattern);
    }
    bool goOn = true;
    for (std::size_t index = 0; goOn && !compiled.empty() && index < folders.size(); ++index) {
        goOn = !collector.stopRequested() &&
               collector.walk(folders[index], compiled, "Scanning: " + compiled.front().text());
    }
    if (!goOn) {
        collector.markStopped();
    }
    sink.status(totalFilesText(collector.outcome().totalKilobytes));
    return collector.outcome();
}

int DriveNumberFromLetter(std::string_view text) {
    if (text.size() == 1) {
        const char letter = text.front();
        if (letter >= 'a' && letter <= 'z') {
            return letter - 'a' + 1;
        }
        if (letter >= 'A' && letter <= 'Z') {
            return letter - 'A' + 1;
        }
    }
    return 3;
}

std::string totalFilesText(std::uint64_t kilobytes) {
    return "Total Files: " + std::to_string(kilobytes) + "k";
}

std::int64_t thresholdMegabytes(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    const std::optional<std::int32_t> megabytes = parseWholeNumber(text);
    return megabytes ? *megabytes : kDefaultThresholdMegabytes;
}

std::string specialFolderDirectory(SpecialFolder folder, const std::string& location,
                                   const Folders& folders) {
    if (location == kDefaultLocation) {
        return folders.builtInFolder(folder);
    }
    if (location.empty()) {
        return {};
    }
    std::string directory =
        location.front() == '/' ? location : folders.currentDirectory() + location;
    if (directory.back() != '/') {
        directory.push_back('/');
    }
    return directory;
}

ScanOutcome RunScan(const ScanChoices& choices, const Volumes& volumes, const Folders& folders,
                    ScanSink& sink, std::stop_token stop) {
    RowCollector collector(sink, choices.imageIndex, std::move(stop));
    const Selection selection(choices, volumes);

    std::vector<WildcardPattern> patterns;
    for (const PatternChoice& choice : choices.patterns) {
        if (choice.ticked) {
            patterns.emplace_back(choice.pattern.empty() ? "*.*" : choice.pattern);
        }
    }

    bool goOn = true;
    for (const DriveChoice& drive : choices.drives) {
        if (collector.stopRequested()) {
            goOn = false;
            break;
        }
        const int driveNumber = DriveNumberFromLetter(std::string_view(drive.caption).substr(0, 1));
        if (patterns.empty() || !selection.selects(drive.ticked, driveNumber)) {
            continue;
        }
        const std::string root = volumes.driveRoot(driveNumber);
        if (root.empty()) {
            continue;
        }
        if (!collector.walk(root, patterns, "Scanning: " + patterns.front().text())) {
            goOn = false;
            break;
        }
    }

    const int configDrive = volumes.driveNumberOf(folders.configDirectory());
    const std::vector<WildcardPattern> everything{WildcardPattern("*.*")};
    for (std::size_t index = 0; goOn && index < kSpecialFolders.size(); ++index) {
        if (collector.stopRequested()) {
            goOn = false;
            break;
        }
        if (!selection.selects(choices.specialFolders[index], configDrive)) {
            continue;
        }
        const SpecialFolder folder = kSpecialFolders[index];
        const std::string directory =
            specialFolderDirectory(folder, choices.locations[index], folders);
        if (directory.empty()) {
            sink.status(statusTextOf(folder));
        } else if (!collector.walk(directory, everything, statusTextOf(folder))) {
            goOn = false;
        }
    }

    if (!goOn) {
        collector.markStopped();
    }
    sink.status(totalFilesText(collector.outcome().totalKilobytes));
    return collector.outcome();
}

}  // namespace korvane
