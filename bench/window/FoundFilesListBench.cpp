// Fills the found-files list of the main page with rows in 50-millisecond batches, as a scan
// hands them over, and measures, offscreen: the time from the last row found to the list being
// fully shown, the memory per row, scrolling to the end, selecting every row, a "Clean
// Selected" of every other row, and emptying the list. Prints one line per measure.
// Usage: korvane-bench-window [ROWS] [ROWS_PER_BATCH]
#include <unistd.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "mainwindow/FoundFilesModel.h"
#include "mainwindow/FoundFilesPage.h"
#include "mainwindow/FoundFilesView.h"

using namespace korvane;

namespace {

// Resident memory in bytes, from /proc/self/statm.
long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

// Rows as a scan makes them: 40 files per folder sharing one folder string.
std::vector<std::vector<FoundFile>> makeBatches(int rows, int perBatch) {
    std::vector<std::vector<FoundFile>> batches;
    std::shared_ptr<const std::string> directory;
    for (int i = 0; i < rows; ++i) {
        if (i % perBatch == 0)
            batches.emplace_back();
        if (i % 40 == 0) {
            directory = std::make_shared<const std::string>(
                "/home/user/projects/korvane/build/objects/folder" + std::to_string(i / 40) + "/");
        }
        FoundFile file;
        file.directory = directory;
        file.name = "file" + std::to_string(i) + ".tmp";
        file.sizeBytes = static_cast<std::uint64_t>(i % 9000) * 37;
        file.imageIndex = 1;
        batches.back().push_back(std::move(file));
    }
    return batches;
}

void settle() {
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

void report(const char* measure, double value, const char* unit) {
    std::printf("%-46s %10.1f %s\n", measure, value, unit);
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int rows = argc > 1 ? std::atoi(argv[1]) : 200'000;
    const int perBatch = argc > 2 ? std::atoi(argv[2]) : 5'000;

    FoundFilesPage page;
    page.resize(360, 340);
    page.show();
    settle();
    FoundFilesView& view = *page.lv1();
    FoundFilesModel& model = *page.foundFiles();

    // Measured around making the rows too: what the list holds is all a scan leaves behind.
    const long before = residentBytes();
    std::vector<std::vector<FoundFile>> batches = makeBatches(rows, perBatch);
    QElapsedTimer batchTimer;
    double slowestBatch = 0;
    for (std::size_t i = 0; i + 1 < batches.size(); ++i) {
        batchTimer.start();
        model.appendRows(std::move(batches[i]));
        view.viewport()->repaint();
        settle();
        slowestBatch = std::max(slowestBatch, batchTimer.nsecsElapsed() / 1e6);
    }
    // The last rows found: from here until the list is fully shown.
    QElapsedTimer timer;
    timer.start();
    model.appendRows(std::move(batches.back()));
    view.viewport()->repaint();
    settle();
    const double lastToShown = timer.nsecsElapsed() / 1e6;
    batches.clear();
    batches.shrink_to_fit();
    const long after = residentBytes();

    timer.start();
    view.scrollToBottom();
    view.viewport()->repaint();
    settle();
    const double scrollToEnd = timer.nsecsElapsed() / 1e6;

    timer.start();
    view.selectAll();
    view.viewport()->repaint();
    settle();
    const double selectAll = timer.nsecsElapsed() / 1e6;

    std::vector<int> everyOther;
    for (int row = 0; row < model.rowCount(); row += 2)
        everyOther.push_back(row);
    timer.start();
    model.removeRowList(everyOther);
    view.viewport()->repaint();
    settle();
    const double removeHalf = timer.nsecsElapsed() / 1e6;

    timer.start();
    model.clear();
    view.viewport()->repaint();
    settle();
    const double clear = timer.nsecsElapsed() / 1e6;

    std::printf("rows %d in batches of %d\n", rows, perBatch);
    report("slowest batch appended and shown", slowestBatch, "ms");
    report("last row found to list fully shown", lastToShown, "ms");
    report("memory per row (resident growth / rows)", static_cast<double>(after - before) / rows,
           "bytes");
    report("scroll to the last row and show it", scrollToEnd, "ms");
    report("select every row and show it", selectAll, "ms");
    report("remove every other row and show the list", removeHalf, "ms");
    report("empty the list and show it", clear, "ms");
    return 0;
}
