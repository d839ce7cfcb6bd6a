// The platform services the core needs, gathered so a program or a test can hand them over
// as one. The program builds the Linux set; tests build one from the fakes.
#pragma once

#include <memory>

#include "platform/FileOperations.h"
#include "platform/Folders.h"
#include "platform/Volumes.h"

namespace korvane {

struct Platform {
    std::unique_ptr<Volumes> volumes;
    std::unique_ptr<Folders> folders;
    std::unique_ptr<FileOperations> files;
};

/// The services of the machine the program runs on.
Platform createSystemPlatform();

}  // namespace korvane
