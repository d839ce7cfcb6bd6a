// A whole fake platform over a temporary folder, with the fakes kept reachable so a test can
// set drives, folders and failures after handing the platform over.
#pragma once

#include <string>

#include "platform/Platform.h"
#include "platform/fake/FakeFileOperations.h"
#include "platform/fake/FakeFolders.h"
#include "platform/fake/FakeVolumes.h"

namespace korvane {

struct FakePlatform {
    Platform platform;
    FakeVolumes* volumes = nullptr;       ///< owned by platform
    FakeFolders* folders = nullptr;       ///< owned by platform
    FakeFileOperations* files = nullptr;  ///< owned by platform
};

/// Fakes inside baseDirectory: the folders of FakeFolders, no drives, and a Trash in
/// <base>/Trash.
FakePlatform makeFakePlatform(const std::string& baseDirectory);

}  // namespace korvane
