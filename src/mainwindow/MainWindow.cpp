#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "mainwindow/DesignUnits.h"
#include "mainwindow/FoundFilesPage.h"
#include "mainwindow/ImageLists.h"
#include "mainwindow/OptionsPage.h"
#include "mainwindow/RoundedButton.h"
#include "mainwindow/ScanForPage.h"
#include "mainwindow/SchedulePage.h"
#include "mainwindow/StatusPanels.h"
#include "platform/Platform.h"
#include "platform/desktop/DesktopServices.h"
#include "settings/SettingsAccess.h"
#include "settings/UserError.h"

namespace korvane {
namespace {

constexpr int kScheduleTickMilliseconds = 10000;

}  // namespace

MainWindow::MainWindow(const Platform& platform, DesktopServices& desktop, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      platform_(platform),
      desktop_(desktop) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Vantrel Korvane"));
    setWindowIcon(ImageLists::applicationIcon());

    pageControl1_ = new QTabWidget(this);
    pageControl1_->setObjectName(QStringLiteral("PageControl1"));
    mainPage_ = new FoundFilesPage(pageControl1_);
    optionsPage_ = new OptionsPage(
        platform.folders ? QString::fromStdString(platform.folders->movedFilesFolder()) : QString(),
        pageControl1_);
    scanForPage_ = new ScanForPage(pageControl1_);
    schedulePage_ = new SchedulePage(pageControl1_);
    pageControl1_->addTab(mainPage_, tr("Main"));
    pageControl1_->addTab(optionsPage_, tr("Options"));
    pageControl1_->addTab(scanForPage_, tr("Scan For..."));
    pageControl1_->addTab(schedulePage_, tr("Schedule"));
    if (platform_.volumes) {
        optionsPage_->fillDrives(platform_.volumes->drives());
    }

    stat1_ = new StatusPanels(this);
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer1_->setInterval(kScheduleTickMilliseconds);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(designPixels(this, 4), designPixels(this, 8), designPixels(this, 4),
                               0);
    layout->setSpacing(designPixels(this, 4));
    layout->addWidget(pageControl1_, 1);
    layout->addWidget(buildCommandRow());
    layout->addWidget(stat1_);

    applyDesignValues();
    // A fixed-size dialog, sized once from its layout at the desktop's font: later texts in the
    // status bar or the lists never resize it.
    layout->activate();
    setFixedSize(sizeHint());

    // Key preview: F1 is seen whichever control has the focus.
    qApp->installEventFilter(this);
}

MainWindow::~MainWindow() = default;

QWidget* MainWindow::buildCommandRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(designPixels(this, 2), 0, designPixels(this, 1), 0);
    layout->setSpacing(designPixels(this, 4));
    const struct {
        RoundedButton** button;
        const char* name;
        QString caption;
        int designWidth;
    } buttons[] = {
        {&button2_, "Button2", tr("Clean All"), 86},
        {&cmdClean_, "cmdClean", tr("Clean Selected"), 101},
        {&button1_, "Button1", tr("Scan Now"), 76},
        {&btnExit_, "btnExit", tr("Hide"), 71},
    };
    for (const auto& entry : buttons) {
        auto* button = new RoundedButton(entry.caption, row);
        button->setObjectName(QString::fromLatin1(entry.name));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        layout->addWidget(button, entry.designWidth);
        *entry.button = button;
    }
    return row;
}

void MainWindow::applyDesignValues() {
    pageControl1_->setCurrentIndex(0);
    mainPage_->applyDesignValues();
    optionsPage_->applyDesignValues();
    scanForPage_->applyDesignValues();
    schedulePage_->applyDesignValues();
    stat1_->applyDesignValues();
}

void MainWindow::formCreate() {
    handleFirstStart();
    if (loadHandler_) {
        loadHandler_();
    }
}

void MainWindow::handleFirstStart() {
    if (!platform_.folders) {
        return;
    }
    try {
        SettingsAccess settings(platform_.folders->settingsFile());
        if (settings.readInteger("Main", "FirstRun", 1) == 1) {
            showOnTop(true);
            openHelpTopic(QStringLiteral("Getting_Started"));
            settings.writeInteger("Main", "FirstRun", 0);
        }
    } catch (const UserError& error) {
        desktop_.showError(QString::fromStdString(error.what()));
    }
}

void MainWindow::saveSettings() {
    if (saveHandler_) {
        saveHandler_();
    }
    emit settingsSaved();
}

void MainWindow::showOnTop(bool activate) {
    show();
    raise();
    if (activate) {
        activateWindow();
    }
}

void MainWindow::openHelpTopic(const QString& topic) {
    emit helpTopicRequested(topic);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease && watched->isWidgetType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        // The same event travels up from the focused control; it counts once, where it starts.
        const bool atStart = widget == QApplication::focusWidget() ||
                             (QApplication::focusWidget() == nullptr && widget == this);
        if (key->key() == Qt::Key_F1 && !key->isAutoRepeat() && atStart &&
            widget->window() == this) {
            emit helpKeyReleased();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing never destroys the window: it is hidden, or with no tray the program ends.
    event->ignore();
    if (closeEndsProgram_) {
        emit exitRequested();
    } else {
        hide();
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (const QScreen* screen = QGuiApplication::primaryScreen()) {
            QRect frame = frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

}  // namespace korvane
