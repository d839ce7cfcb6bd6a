// File operations for tests: every call is recorded; chosen paths fail with a chosen reason,
// the others really delete or move the (temporary) file.
#pragma once

#include <condition_variable>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/FileOperations.h"

namespace korvane {

class FakeFileOperations : public FileOperations {
public:
    enum class Kind { Delete, Trash, MoveIntoFolder };

    struct Call {
        Kind kind = Kind::Delete;
        std::string path;
        std::string folder;  ///< the target folder of MoveIntoFolder, else empty
    };

    /// Files sent to the Trash are moved into trashFolder (created when needed); without one
    /// every move to the Trash fails.
    explicit FakeFileOperations(std::string trashFolder = {});

    /// Makes every later operation on the path fail with the reason, leaving the file alone.
    void failPath(const std::string& path, std::string reason);

    /// Makes the next operation on the path wait, once it is recorded, until release() is
    /// called: a test can look at a clean in the middle of its run.
    void holdPath(const std::string& path);
    /// Lets a held operation go on.
    void release();

    /// The calls so far, in order.
    std::vector<Call> calls() const;

    Outcome deleteFile(const std::string& path) override;
    Outcome moveToTrash(const std::string& path) override;
    Outcome moveIntoFolder(const std::string& path, const std::string& folder) override;

private:
    /// Records the call and returns the planted failure of its path, if any.
    const std::string* record(Kind kind, const std::string& path, const std::string& folder);

    std::string trashFolder_;
    mutable std::mutex mutex_;
    std::map<std::string, std::string> failures_;
    std::vector<Call> calls_;
    std::string heldPath_;
    std::condition_variable released_;
};

}  // namespace korvane
