// A whole fake platform over a temporary folder.
#include "platform/fake/FakePlatform.h"

#include <memory>

namespace korvane {

FakePlatform makeFakePlatform(const std::string& baseDirectory) {
    FakePlatform fake;
    auto volumes = std::make_unique<FakeVolumes>();
    auto folders = std::make_unique<FakeFolders>(baseDirectory);
    auto files = std::make_unique<FakeFileOperations>(baseDirectory + "/Trash");
    fake.volumes = volumes.get();
    fake.folders = folders.get();
    fake.files = files.get();
    fake.platform.volumes = std::move(volumes);
    fake.platform.folders = std::move(folders);
    fake.platform.files = std::move(files);
    return fake;
}

}  // namespace korvane
