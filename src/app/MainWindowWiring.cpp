#include "app/MainWindowWiring.h"

#include "mainwindow/MainWindow.h"

namespace korvane {

MainWindowWiring::MainWindowWiring(MainWindow& window)
    : QObject(&window),
      regional_(regionalSettingsFromEnvironment()),
      controller_(window, files_, regional_, clock_) {}

}  // namespace korvane
