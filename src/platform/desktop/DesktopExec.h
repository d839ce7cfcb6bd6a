// The command line of a desktop entry's Exec key for one file: the program and its arguments,
// each a separate argument so no shell ever sees the file's path.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace korvane {

/// The program and arguments of an Exec value with the file put in: %f, %F, %u and %U become
/// the path (or its file URL for %u and %U) as one argument, %% a per cent sign, other field
/// codes are dropped, and with no file code the path is appended. Nothing for an empty or badly
/// quoted value.
std::optional<QStringList> execCommandForFile(const QString& exec, const QString& path);

/// The Exec value of the [Desktop Entry] group of a desktop entry's text; empty when missing.
QString desktopEntryExec(const QString& entryText);

}  // namespace korvane
