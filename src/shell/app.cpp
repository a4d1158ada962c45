#include "app.h"

#include "settingsfile.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

namespace tapwell {

Q_LOGGING_CATEGORY(lcShell, "tapwell.shell")

App::App() {
    about_ = std::make_unique<FrmAbout>();
    about_->onOk = [this] { openMain(); };
    // Closing the start-up window before the main window ever opened ends the program;
    // afterwards it only hides it.
    about_->onClose = [this] {
        if (main_) return false;
        ended_ = true;
        endProgram(0);
        return true;
    };
    auto* f1 = new QShortcut(QKeySequence::HelpContents, about_.get());
    QObject::connect(f1, &QShortcut::activated, about_.get(), [this] { showHelp(); });

    // The start-up window's start-up: where the data is, and the saved options.
    about_->Form_Load();
    g_.AppPath = findAppPath();
    qCDebug(lcShell).noquote() << "data directory" << QString::fromStdString(g_.AppPath);
    removeUnfinishedSaves();
    loadSettings(g_);
}

App::~App() = default;

int App::run() {
    // Shown as "Info?" shows it: raised and active, so its keys (F1 among them) work at once.
    showAbout();
    return QApplication::exec();
}

void App::openMain() {
    if (!main_) {
        sound_ = std::make_unique<QtSound>();
        main_ =
            std::make_unique<FrmType>(g_, Services{&clock_, &random_, sound_.get(), &pause_}, this);
        auto* f1 = new QShortcut(QKeySequence::HelpContents, main_.get());
        QObject::connect(f1, &QShortcut::activated, main_.get(), [this] { showHelp(); });
        std::string error;
        if (!main_->Form_Load(error)) {
            fail(QStringLiteral("Tapwell cannot start"), QString::fromStdString(error));
            return;
        }
        sound_->preload({main_->DingSound, main_->UhOhSound, main_->TadaSound});
        qCDebug(lcShell) << "main window loaded";
    }
    main_->show();
    main_->raise();
    main_->activateWindow();
}

void App::showAbout() {
    about_->show();
    about_->raise();
    about_->activateWindow();
    about_->Command1->setFocus();
}

void App::showHelp() {
    if (!help_) help_ = std::make_unique<HelpViewer>();
    help_->openContents(QString::fromStdString(g_.AppFile("tapwell.hlp")));
}

void App::exitProgram() {
    if (ended_) return;
    QString path, reason;
    if (!saveSettings(g_, path, reason)) {
        fail(QStringLiteral("Tapwell cannot save your choices"),
             QStringLiteral("Tapwell could not write its settings file %1: %2.").arg(path, reason));
        return;
    }
    ended_ = true;
    // End at once: no further events of either window run.
    if (main_) main_->hide();
    about_->hide();
    if (help_) help_->hide();
    endProgram(0);
}

void App::fail(const QString& title, const QString& text) {
    ended_ = true;
    QMessageBox::critical(nullptr, title, text);
    if (main_) main_->hide();
    about_->hide();
    endProgram(1);
}

} // namespace tapwell
