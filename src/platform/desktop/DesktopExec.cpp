// Splitting a desktop entry's Exec value by the desktop entry rules: arguments are separated by
// blanks, double quotes group an argument, and a backslash inside quotes escapes the next
// character.
#include "platform/desktop/DesktopExec.h"

#include <QUrl>

namespace korvane {
namespace {

std::optional<QStringList> splitExec(const QString& exec) {
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('\\') && i + 1 < exec.size()) {
                current += exec[++i];
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inArgument = true;
        } else if (c == QLatin1Char(' ') || c == QLatin1Char('\t')) {
            if (inArgument)
                arguments.append(current);
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments.append(current);
    return arguments;
}

}  // namespace

std::optional<QStringList> execCommandForFile(const QString& exec, const QString& path) {
    const std::optional<QStringList> arguments = splitExec(exec);
    if (!arguments || arguments->isEmpty())
        return std::nullopt;
    QStringList command;
    bool fileUsed = false;
    for (const QString& argument : *arguments) {
        if (argument == QLatin1String("%f") || argument == QLatin1String("%F")) {
            command.append(path);
            fileUsed = true;
            continue;
        }
        if (argument == QLatin1String("%u") || argument == QLatin1String("%U")) {
            command.append(QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded));
            fileUsed = true;
            continue;
        }
        QString expanded;
        for (qsizetype i = 0; i < argument.size(); ++i) {
            if (argument[i] != QLatin1Char('%') || i + 1 >= argument.size()) {
                expanded += argument[i];
            } else if (argument[++i] == QLatin1Char('%')) {
                expanded += QLatin1Char('%');
            }
            // Any other field code (%i, %c, %k, a code inside a word) is dropped.
        }
        if (!expanded.isEmpty())
            command.append(expanded);
    }
    if (command.isEmpty())
        return std::nullopt;
    if (!fileUsed)
        command.append(path);
    return command;
}

QString desktopEntryExec(const QString& entryText) {
    bool inMainGroup = false;
    for (const QString& rawLine : entryText.split(QLatin1Char('\n'))) {
        const QString line = rawLine.trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
        } else if (inMainGroup && line.startsWith(QLatin1String("Exec"))) {
            const qsizetype equals = line.indexOf(QLatin1Char('='));
            if (equals > 0 && line.left(equals).trimmed() == QLatin1String("Exec"))
                return line.mid(equals + 1).trimmed();
        }
    }
    return {};
}

}  // namespace korvane
