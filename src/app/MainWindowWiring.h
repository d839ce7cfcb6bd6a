// The wiring of the program's main window to the desktop it runs on: the system's file
// services, the regional settings of the process's locale and the system clock, handed to the
// window's controller. Created right after the window and before its creation handler runs.
#pragma once

#include <QObject>

#include "mainwindow/MainWindowController.h"
#include "platform/desktop/SystemFileServices.h"
#include "schedule/Clock.h"
#include "schedule/RegionalSettings.h"

namespace korvane {

class MainWindow;

class MainWindowWiring : public QObject {
    Q_OBJECT

public:
    /// Owned by the window; wires it at once, so its formCreate() and saveSettings() do the
    /// whole job.
    explicit MainWindowWiring(MainWindow& window);

    MainWindowController& controller() { return controller_; }

private:
    SystemFileServices files_;
    RegionalSettings regional_;
    SystemClock clock_;
    MainWindowController controller_;
};

}  // namespace korvane
