#include "platform/linux/TrashInfo.h"

#include <ctime>

namespace korvane {
namespace {

constexpr std::size_t kMaxNameBytes = 255;
constexpr std::string_view kInfoExtension = ".trashinfo";

bool isUnreserved(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        return true;
    }
    return std::string_view("-_.!~*'()").find(static_cast<char>(c)) != std::string_view::npos;
}

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string encodeTrashInfoPath(std::string_view path) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(path.size());
    for (char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte == '/' || isUnreserved(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0x0F];
        }
    }
    return encoded;
}

std::string formatDeletionDate(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
    return text;
}

std::string trashInfoText(std::string_view encodedPath, std::string_view deletionDate) {
    std::string text = "[Trash Info]\nPath=";
    text += encodedPath;
    text += "\nDeletionDate=";
    text += deletionDate;
    text += '\n';
    return text;
}

std::string trashEntryName(std::string_view name, std::string_view suffix) {
    const std::size_t room = kMaxNameBytes - kInfoExtension.size() - suffix.size();
    if (name.size() > room) {
        std::size_t cut = room;
        while (cut > 0 && isContinuationByte(name[cut])) {
            --cut;
        }
        name = name.substr(0, cut);
    }
    std::string entry(name);
    entry += suffix;
    return entry;
}

}  // namespace korvane
