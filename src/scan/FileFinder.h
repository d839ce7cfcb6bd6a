// The recursive file finder: walks one folder tree depth first and hands each regular file
// whose name matches a pattern to a callback, which can stop the walk. In each folder the
// matching files come first, in the order the folder lists them, then its subfolders are
// walked in that order. Hidden folders (names starting with ".") are not entered, hidden files
// are reported; symbolic links are never followed; the walk stays on the filesystem it
// started on. Unreadable or vanishing folders are passed over in silence.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "scan/WildcardPattern.h"

namespace korvane {

/// What the finder knows of a found file; valid only during the callback.
struct SearchRecord {
    std::string_view name;  ///< the file's name without any folder
    std::uint64_t size = 0;
    /// Differs for every folder a walk reads, so a caller can tell a new folder cheaply.
    std::uint64_t folderSerial = 0;
};

/// Folders deeper than this below the starting folder are not entered: each open level holds
/// one descriptor.
inline constexpr int kMaxFolderDepth = 256;

/// The callback of FindFiles: user data, the file's folder (ending in '/'), its record; true
/// goes on, false stops the walk.
using FoundFileCallback = bool (*)(void* userData, const std::string& directory,
                                   const SearchRecord& record);

/// Walks `directory` (the current directory when empty; a final '/' is added when missing)
/// for `pattern` ("*.*" when empty), calling the callback for every matching file.
void FindFiles(std::string directory, std::string pattern, FoundFileCallback callback,
               void* userData);

/// FindFiles with any callable taking (const std::string& directory, const SearchRecord&) and
/// returning bool.
template <typename Function>
requires std::is_invocable_r_v<bool, Function&, const std::string&, const SearchRecord&>
void FindFiles(std::string directory, std::string pattern, Function&& function) {
    FindFiles(
        std::move(directory), std::move(pattern),
        [](void* userData, const std::string& folder, const SearchRecord& record) {
            return static_cast<bool>(
                (*static_cast<std::remove_reference_t<Function>*>(userData))(folder, record));
        },
        static_cast<void*>(&function));
}

/// What one walk for several patterns tells its caller.
class FinderVisitor {
public:
    virtual ~FinderVisitor() = default;

    /// A regular file whose name matched patterns[patternIndex]; a file that matches several
    /// patterns is reported once for each, in pattern order. False stops the walk.
    virtual bool fileFound(std::size_t patternIndex, const std::string& directory,
                           const SearchRecord& record) = 0;
    /// Called before a folder's entries are read; false stops the walk.
    virtual bool enteringFolder(const std::string& directory) {
        (void)directory;
        return true;
    }
};

/// One walk of `directory` (rules of FindFiles) that gives, for each pattern, exactly the
/// callbacks a walk for that pattern alone would give, in the same order. Returns false when
/// the visitor stopped the walk.
bool findFilesForPatterns(std::string directory, const std::vector<WildcardPattern>& patterns,
                          FinderVisitor& visitor);

}  // namespace korvane
