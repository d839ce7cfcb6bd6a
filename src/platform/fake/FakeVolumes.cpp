// Drives for tests, mapped to folders.
#include "platform/fake/FakeVolumes.h"

#include <cctype>
#include <utility>

namespace korvane {

void FakeVolumes::addDrive(char letter, std::string root, std::optional<std::uint64_t> freeBytes,
                           std::string caption, DriveType type) {
    if (root.empty() || root.back() != '/') {
        root += '/';
    }
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    if (caption.empty()) {
        caption = std::string(1, letter) + ": [" + root + "]";
    }
    FakeDrive fake;
    fake.drive = Drive{letter, std::move(caption), std::move(root), type};
    fake.freeBytes = freeBytes;
    drives_.push_back(std::move(fake));
}

void FakeVolumes::setFreeBytes(char letter, std::optional<std::uint64_t> freeBytes) {
    letter = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    for (FakeDrive& fake : drives_) {
        if (fake.drive.letter == letter) {
            fake.freeBytes = freeBytes;
        }
    }
}

std::vector<Drive> FakeVolumes::drives() const {
    std::vector<Drive> rows;
    rows.reserve(drives_.size());
    for (const FakeDrive& fake : drives_) {
        rows.push_back(fake.drive);
    }
    return rows;
}

const FakeVolumes::FakeDrive* FakeVolumes::find(int driveNumber) const {
    for (const FakeDrive& fake : drives_) {
        if (fake.drive.letter - 'a' + 1 == driveNumber) {
            return &fake;
        }
    }
    return nullptr;
}

std::string FakeVolumes::driveRoot(int driveNumber) const {
    const FakeDrive* fake = find(driveNumber);
    return fake ? fake->drive.mountPoint : std::string();
}

std::optional<std::uint64_t> FakeVolumes::freeBytes(int driveNumber) const {
    const FakeDrive* fake = find(driveNumber);
    return fake ? fake->freeBytes : std::nullopt;
}

int FakeVolumes::driveNumberOf(const std::string& path) const {
    const FakeDrive* best = nullptr;
    for (const FakeDrive& fake : drives_) {
        const std::string& root = fake.drive.mountPoint;
        const bool holds = path.starts_with(root) || path + "/" == root;
        if (holds && (!best || root.size() > best->drive.mountPoint.size())) {
            best = &fake;
        }
    }
    return best ? best->drive.letter - 'a' + 1 : 0;
}

}  // namespace korvane
