// The Linux set of platform services.
#include "platform/Platform.h"
#include "platform/linux/LinuxFolders.h"

namespace korvane {

Platform createSystemPlatform() {
    Platform platform;
    platform.folders = std::make_unique<LinuxFolders>();
    return platform;
}

}  // namespace korvane
