// The access object of the settings file. Nothing is cached between operations: another
// process may have changed the file, so each read and each change starts from the disk.
#include "settings/SettingsAccess.h"

#include <utility>

#include "settings/AtomicFile.h"
#include "settings/UserError.h"
#include "settings/WholeNumber.h"

namespace korvane {

SettingsAccess::SettingsAccess(std::string filePath, std::string displayName)
    : filePath_(std::move(filePath)), displayName_(std::move(displayName)) {}

std::optional<std::string> SettingsAccess::lookUp(std::string_view section, std::string_view key,
                                                  bool whole) const {
    const auto read = [&](const IniDocument& document) {
        return whole ? document.wholeValue(section, key) : document.value(section, key);
    };
    if (batch_)
        return read(*batch_);
    // A file that cannot be read gives the defaults, as a missing one does.
    return read(IniDocument::parse(readFileContents(filePath_).text));
}

std::string SettingsAccess::readText(std::string_view section, std::string_view key,
                                     std::string_view defaultText) const {
    auto value = lookUp(section, key);
    return value ? std::move(*value) : std::string(defaultText);
}

std::string SettingsAccess::readListText(std::string_view section, std::string_view key,
                                         std::string_view defaultText) const {
    auto value = lookUp(section, key, true);
    return value ? std::move(*value) : std::string(defaultText);
}

std::int32_t SettingsAccess::readInteger(std::string_view section, std::string_view key,
                                         std::int32_t defaultValue) const {
    const auto value = lookUp(section, key);
    if (!value)
        return defaultValue;
    return parseSettingsNumber(*value).value_or(defaultValue);
}

bool SettingsAccess::readFlag(std::string_view section, std::string_view key,
                              bool defaultValue) const {
    return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void SettingsAccess::writeText(std::string_view section, std::string_view key,
                               std::string_view value) {
    // A line break in a value would write a second line: a key or section of its own.
    if (!IniDocument::canWrite(section, key, value))
        failWrite();
    if (batch_) {
        batchChanged_ = batch_->set(section, key, value) || batchChanged_;
        return;
    }
    const FileContents contents = readFileContents(filePath_);
    // Writing over a file that exists but cannot be read would lose every other key in it.
    if (contents.status == FileContents::Status::Unreadable)
        failWrite();
    IniDocument document = IniDocument::parse(contents.text);
    if (document.set(section, key, value))
        replaceFile(document, true);
}

void SettingsAccess::writeInteger(std::string_view section, std::string_view key,
                                  std::int32_t value) {
    writeText(section, key, std::to_string(value));
}

void SettingsAccess::writeFlag(std::string_view section, std::string_view key, bool value) {
    writeText(section, key, value ? "1" : "0");
}

void SettingsAccess::removeKey(std::string_view section, std::string_view key) {
    if (batch_) {
        batchChanged_ = batch_->remove(section, key) || batchChanged_;
        return;
    }
    const FileContents contents = readFileContents(filePath_);
    if (contents.status != FileContents::Status::Read)
        return;
    IniDocument document = IniDocument::parse(contents.text);
    if (document.remove(section, key))
        replaceFile(document, false);
}

void SettingsAccess::beginBatch() {
    if (batch_)
        return;
    FileContents contents = readFileContents(filePath_);
    batchUnreadable_ = contents.status == FileContents::Status::Unreadable;
    batchChanged_ = false;
    batch_ = IniDocument::parse(contents.text);
}

void SettingsAccess::commitBatch() {
    if (!batch_)
        return;
    const IniDocument document = std::move(*batch_);
    batch_.reset();
    if (!batchChanged_)
        return;
    if (batchUnreadable_)
        failWrite();
    replaceFile(document, true);
}

void SettingsAccess::replaceFile(const IniDocument& document, bool reportFailure) const {
    if (!replaceFileAtomically(filePath_, document.serialise()) && reportFailure)
        failWrite();
}

void SettingsAccess::failWrite() const {
    throw UserError("Unable to write to " + displayName_);
}

}  // namespace korvane
