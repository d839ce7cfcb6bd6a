// korvane: the resident window program. It takes no command-line arguments.
#include <QApplication>
#include <cstdio>

#include "app/Application.h"
#include "app/SingleInstance.h"
#include "platform/Platform.h"
#include "platform/desktop/SystemDesktopServices.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korvane"));
    QApplication::setQuitOnLastWindowClosed(false);
    if (QCoreApplication::arguments().size() > 1) {
        // A launcher may pass a file or an address; the program has no use for any of them.
        std::fprintf(stderr, "korvane: takes no command-line arguments; ignoring them\n");
    }

    korvane::Platform platform = korvane::createSystemPlatform();
    korvane::SystemDesktopServices desktop;

    korvane::SingleInstance instance(QString::fromStdString(platform.folders->settingsFile()),
                                     korvane::SingleInstance::defaultRuntimeDirectory());
    switch (instance.start()) {
        case korvane::SingleInstance::Start::First:
            break;
        case korvane::SingleInstance::Start::Second:
            return 0;
        case korvane::SingleInstance::Start::Failed:
            std::fprintf(stderr, "korvane: %s\n", qPrintable(instance.failure()));
            desktop.showError(instance.failure());
            return 1;
    }

    korvane::Application resident(platform, desktop);
    QObject::connect(&instance, &korvane::SingleInstance::showRequested, &resident,
                     &korvane::Application::showFromAnotherStart);
    resident.start();
    return QApplication::exec();
}
