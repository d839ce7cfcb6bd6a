// A temporary folder tree for tests: files of chosen sizes, folders, symbolic links, modes and
// chains deeper than PATH_MAX, all removed (without following links) when it goes away.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>

namespace korvane::test {

class TempTree {
public:
    /// Creates an empty folder under $TMPDIR (or /tmp).
    TempTree();
    ~TempTree();
    TempTree(const TempTree&) = delete;
    TempTree& operator=(const TempTree&) = delete;

    /// The tree's folder, without a final '/'.
    const std::string& root() const { return root_; }
    /// root() + "/" + relative.
    std::string path(const std::string& relative) const;

    /// Creates a folder (and its missing parents) below the root; returns its full path.
    std::string folder(const std::string& relative);
    /// Creates a file of `size` bytes (parents created); returns its full path.
    std::string file(const std::string& relative, std::uint64_t size = 0);
    /// Creates a file holding `content`; returns its full path.
    std::string fileWithText(const std::string& relative, const std::string& content);
    /// Creates a symbolic link at `relative` pointing to `target` (verbatim).
    std::string link(const std::string& relative, const std::string& target);
    /// Sets the mode of a path below the root.
    void setMode(const std::string& relative, mode_t mode);
    /// Creates `levels` nested folders named `component` below `relative`, working relative to
    /// descriptors, and a file `fileName` of `size` bytes in the deepest one; returns the
    /// deepest folder's full path, ending in '/'.
    std::string deepChain(const std::string& relative, const std::string& component, int levels,
                          const std::string& fileName, std::uint64_t size);

private:
    std::string root_;
};

/// The number of descriptors the process has open.
int openDescriptorCount();

/// Removes a tree without following links, restoring permissions on the way; works below
/// PATH_MAX depth. Returns false when something stayed.
bool removeTree(const std::string& path);

}  // namespace korvane::test
