// The Linux set of platform services.
#include "platform/Platform.h"
#include "platform/linux/LinuxFileOperations.h"
#include "platform/linux/LinuxFolders.h"
#include "platform/linux/LinuxVolumes.h"

namespace korvane {

Platform createSystemPlatform() {
    Platform platform;
    platform.volumes = std::make_unique<LinuxVolumes>();
    platform.folders = std::make_unique<LinuxFolders>();
    platform.files = std::make_unique<LinuxFileOperations>();
    return platform;
}

}  // namespace korvane
