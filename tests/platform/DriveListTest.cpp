// The drive list built from mountinfo samples: which mounts become rows, their letters,
// captions, types and mount points.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/linux/DriveList.h"
#include "platform/linux/MountTable.h"
#include "platform/linux/SystemDeviceFacts.h"

namespace korvane {
namespace {

class StubFacts : public DeviceFacts {
public:
    std::map<std::string, std::string> labels;  // by mount source
    std::set<std::string> removable;            // mount sources
    std::set<std::string> fileMounts;           // mount points that are files

    std::optional<std::string> label(const MountEntry& mount) const override {
        auto found = labels.find(mount.source);
        if (found == labels.end()) {
            return std::nullopt;
        }
        return found->second;
    }
    bool isRemovable(const MountEntry& mount) const override {
        return removable.contains(mount.source);
    }
    bool mountsFolder(const MountEntry& mount) const override {
        return !fileMounts.contains(mount.mountPoint);
    }
};

struct ExpectedRow {
    std::string caption;
    std::string mountPoint;
    DriveType type;
};

struct Sample {
    const char* name;
    std::string mountinfo;
    std::vector<ExpectedRow> rows;
};

const std::string kPseudo =
    "21 27 0:20 / /proc rw,relatime - proc proc rw\n"
    "22 27 0:21 / /sys rw,relatime - sysfs sysfs rw\n"
    "23 27 0:6 / /dev rw,relatime - devtmpfs devtmpfs rw,size=123k\n"
    "25 23 0:23 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
    "26 23 0:24 / /dev/pts rw,relatime - devpts devpts rw,mode=600\n"
    "31 22 0:28 / /sys/fs/cgroup rw,relatime - cgroup2 cgroup2 rw\n"
    "40 27 0:40 / /run rw,nosuid shared:5 - tmpfs tmpfs rw,mode=755\n"
    "41 27 7:3 / /snap/core/1 ro shared:6 - squashfs /dev/loop3 ro\n"
    "42 27 0:41 / /proc/sys/fs/binfmt_misc rw shared:7 - autofs systemd-1 rw\n"
    "43 40 0:42 / /run/user/1000/gvfs rw shared:8 - fuse.gvfsd-fuse gvfsd-fuse rw\n";

std::vector<Sample> samples() {
    return {
        {"desktop",
         kPseudo + "27 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw\n"
                   "50 27 8:1 / /boot/efi rw shared:2 - vfat /dev/sda1 rw\n"
                   "51 27 8:17 / /home rw shared:3 - ext4 /dev/sdb1 rw\n"
                   "52 27 8:33 / /media/ann/STICK rw shared:4 - vfat /dev/sdc1 rw\n"
                   "53 27 0:50 / /mnt/share rw shared:9 - cifs //Server/Share rw\n"
                   "54 27 0:51 / /mnt/nfs rw shared:10 - nfs4 fileserver:/Export rw\n"
                   "55 27 11:0 / /mnt/cd ro shared:11 - iso9660 /dev/sr0 ro\n",
         {{"c: [system]", "/", DriveType::Fixed},
          {"d: [efi]", "/boot/efi/", DriveType::Fixed},
          {"e: []", "/home/", DriveType::Fixed},
          {"f:", "/media/ann/STICK/", DriveType::Removable},
          {"g: [disc one]", "/mnt/cd/", DriveType::CdRom},
          {"h: fileserver:/export", "/mnt/nfs/", DriveType::Remote},
          {"i: //server/share", "/mnt/share/", DriveType::Remote}}},
        {"container with an overlay root and file bind mounts",
         "100 80 0:60 / / rw - overlay overlay rw,lowerdir=/a\n"
         "101 100 0:61 / /proc rw - proc proc rw\n"
         "102 100 8:1 /var/lib/docker/x/hosts /etc/hosts rw - ext4 /dev/sda1 rw\n"
         "103 100 8:1 /srv/data /data rw - ext4 /dev/sda1 rw\n",
         {{"c: []", "/", DriveType::Fixed}, {"d: [efi]", "/data/", DriveType::Fixed}}},
        {"bind mounts give no extra rows; the shortest mount point is kept",
         "27 1 8:2 / / rw - ext4 /dev/sda2 rw\n"
         "60 27 8:2 /srv /srv rw - ext4 /dev/sda2 rw\n"
         "61 27 8:17 /x /mnt/zz rw - xfs /dev/sdb1 rw\n"
         "62 27 8:17 / /data rw - xfs /dev/sdb1 rw\n"
         "63 27 8:17 /y /mnt/a rw - xfs /dev/sdb1 rw\n",
         {{"c: [system]", "/", DriveType::Fixed}, {"d: []", "/data/", DriveType::Fixed}}},
        {"escaped mount points, a removable disk, a tmpfs root and a ram disk",
         "1 0 0:2 / / rw - tmpfs rootfs rw\n"
         "70 1 8:49 / /mnt/My\\040Disk rw - exfat /dev/sdd1 rw\n"
         "71 1 8:65 / /mnt/usb\\011tab rw - fuseblk /dev/sde1 rw\n"
         "72 1 1:0 / /mnt/ram rw - ext2 /dev/ram0 rw\n",
         {{"c: []", "/", DriveType::RamDisk},
          {"d: [bilder]", "/mnt/My Disk/", DriveType::Fixed},
          {"e: [ram]", "/mnt/ram/", DriveType::RamDisk},
          {"f:", "/mnt/usb\ttab/", DriveType::Removable}}},
        {"a later mount on / hides the earlier one; lines that do not parse are passed over",
         "garbage\n"
         "1 0 8:2 / / rw - ext4 /dev/sda2 rw\n"
         "2 1 8:3 / / rw - ext4 /dev/sda3 rw\n"
         "3 1 x:y / /mnt rw - ext4 /dev/sda4 rw\n"
         "4 1 8:5 / /mnt/five rw no-separator ext4 /dev/sda5 rw\n",
         {{"c: [newroot]", "/", DriveType::Fixed}}},
    };
}

TEST(DriveListTest, BuildsRowsFromMountInfoSamples) {
    StubFacts facts;
    facts.labels = {{"/dev/sda2", "System"}, {"/dev/sda1", "EFI"}, {"/dev/sr0", "Disc One"},
                    {"/dev/sdd1", "Bilder"}, {"/dev/ram0", "RAM"}, {"/dev/sda3", "NewRoot"},
                    {"/dev/sdc1", "STICK"}};
    facts.removable = {"/dev/sde1"};
    facts.fileMounts = {"/etc/hosts"};

    for (const Sample& sample : samples()) {
        SCOPED_TRACE(sample.name);
        const std::vector<DriveRow> rows = buildDriveList(parseMountInfo(sample.mountinfo), facts);
        const std::vector<ExpectedRow>& expected = sample.rows;
        ASSERT_EQ(rows.size(), expected.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            SCOPED_TRACE(expected[i].caption);
            EXPECT_EQ(rows[i].drive.caption, expected[i].caption);
            EXPECT_EQ(rows[i].drive.letter, static_cast<char>('c' + i));
            EXPECT_EQ(rows[i].drive.mountPoint, expected[i].mountPoint);
            EXPECT_EQ(rows[i].drive.type, expected[i].type);
        }
    }
}

TEST(DriveListTest, LettersStopAtZ) {
    std::string mountinfo = "1 0 8:0 / / rw - ext4 /dev/sda rw\n";
    for (int i = 0; i < 30; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "%02d", i);
        mountinfo += "9 1 9:" + std::to_string(i) + " / /mnt/" + name + " rw - ext4 /dev/md" +
                     std::to_string(i) + " rw\n";
    }
    const std::vector<DriveRow> rows = buildDriveList(parseMountInfo(mountinfo), StubFacts());
    ASSERT_EQ(rows.size(), 24u);
    EXPECT_EQ(rows.back().drive.caption, "z: []");
    EXPECT_EQ(rows.back().drive.mountPoint, "/mnt/22/");
}

TEST(DriveListTest, UnescapesMountFieldsAndLabelNames) {
    EXPECT_EQ(unescapeMountField("a\\040b\\134c\\012"), "a b\\c\n");
    EXPECT_EQ(unescapeMountField("end\\04"), "end\\04");
    EXPECT_EQ(unescapeMountField("\\9ab"), "\\9ab");
    EXPECT_EQ(unescapeUdevName("My\\x20Disk\\x2fA"), "My Disk/A");
    EXPECT_EQ(unescapeUdevName("odd\\x2"), "odd\\x2");
}

}  // namespace
}  // namespace korvane
