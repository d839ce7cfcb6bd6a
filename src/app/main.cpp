// korvane: the resident window program. It takes no command-line arguments.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel placeholder("Vantrel Korvane");
    placeholder.show();
    return application.exec();
}
