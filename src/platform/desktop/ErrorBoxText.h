// The text the application's error box shows for an error message.
#pragma once

#include <QString>

namespace korvane {

/// The title of every message box of the program.
inline const QString kMessageBoxTitle = QStringLiteral("Korvane");

/// The message with a full stop added when its last character sorts after ".".
QString errorBoxText(const QString& message);

}  // namespace korvane
