// Reading and writing a whole file's bytes, for tests that look at what a program wrote.
#pragma once

#include <filesystem>
#include <string>

namespace korvane::test {

/// The file's bytes, or the empty text when it cannot be read.
std::string readFileText(const std::filesystem::path& path);
/// Replaces the file's bytes with the text.
void writeFileText(const std::filesystem::path& path, const std::string& text);

}  // namespace korvane::test
