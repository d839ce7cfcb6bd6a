// The access object of the settings file: reads, writes and removes single keys. Outside a
// batch every operation reads the file afresh and every change replaces it atomically.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "settings/IniDocument.h"

namespace korvane {

class SettingsAccess {
public:
    /// An access object for the file at `filePath`; `displayName` names it in error messages.
    explicit SettingsAccess(std::string filePath, std::string displayName = "KRVANE.INI");

    /// The value of the key, or `defaultText` when the file, the section or the key is missing.
    /// At most the first 1023 characters of a value come back.
    std::string readText(std::string_view section, std::string_view key,
                         std::string_view defaultText) const;
    /// readText without the cut at 1023 characters: the drive and pattern lists are kept whole
    /// however long they grow, so a save never drops an entry.
    std::string readListText(std::string_view section, std::string_view key,
                             std::string_view defaultText) const;
    /// The value read by the settings file's whole-number rule, else `defaultValue`.
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t defaultValue) const;
    /// True when the whole number read (default 1 or 0) is not 0.
    bool readFlag(std::string_view section, std::string_view key, bool defaultValue) const;

    /// Sets the key, creating the file, the folder, the section or the key as needed; throws
    /// UserError "Unable to write to <display name>" when the file cannot be written.
    void writeText(std::string_view section, std::string_view key, std::string_view value);
    /// Writes the decimal digits of `value`.
    void writeInteger(std::string_view section, std::string_view key, std::int32_t value);
    /// Writes "1" or "0".
    void writeFlag(std::string_view section, std::string_view key, bool value);
    /// Removes the key (every line of it in its section); reports no failure.
    void removeKey(std::string_view section, std::string_view key);

    /// From here to commitBatch, changes are kept in memory (reads see them) and the disk is
    /// not touched. A second call while a batch is open does nothing.
    void beginBatch();
    /// Writes the batched changes in one atomic replacement (none when nothing changed) and
    /// ends the batch; throws UserError when the file cannot be written (the batch is dropped).
    void commitBatch();

    const std::string& filePath() const { return filePath_; }

private:
    std::optional<std::string> lookUp(std::string_view section, std::string_view key,
                                      bool whole = false) const;
    void replaceFile(const IniDocument& document, bool reportFailure) const;
    [[noreturn]] void failWrite() const;

    std::string filePath_;
    std::string displayName_;
    std::optional<IniDocument> batch_;
    bool batchChanged_ = false;     ///< whether the batch changed the text at all
    bool batchUnreadable_ = false;  ///< the file existed but could not be read: refuse to write
};

}  // namespace korvane
