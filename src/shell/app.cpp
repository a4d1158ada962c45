#include "app.h"

#include "core/talk.h"

#include "i18n/language.h"
#include "i18n/translation.h"
#include "io/settingsfile.h"
#include "keyboardinuse.h"
#include "logging.h"
#include "plugins.h"
#include "progress/children.h"
#include "progress/classroom.h"
#include "progress/export.h"
#include "progress/stats.h"
#include "ui/keyboardchooser.h"
#include "ui/recordwords.h"
#include "ui/twips.h"
#include "windowstate.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace tapwell {

namespace {

// Calls a function once, after a widget's first paint has reached the screen.
class AfterFirstPaint final : public QObject {
public:
    AfterFirstPaint(QWidget* widget, std::function<void()> then)
        : QObject(widget), then_(std::move(then)) {
        widget->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Once the paint in progress is done and flushed.
            QTimer::singleShot(0, this, [this] {
                then_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> then_;
};

// "Save as CSV…": the record's lines to file, or why not in a parent's words.
bool writeCsv(progress::Store& store, const QString& file, QString& error) {
    progress::ExportError fault;
    if (progress::exportCsv(store, file, fault)) return true;
    error = exportErrorText(fault);
    return false;
}

} // namespace

// A screen reader that starts or ends while Tapwell runs turns Tapwell's own voice off or
// back on (unless the child ticked "Talk to me" meanwhile).
class App::ScreenReaderWatch final : public QAccessible::ActivationObserver {
public:
    explicit ScreenReaderWatch(App& app) : app_(app) {
        app_.screenReader_ = QAccessible::isActive();
        QAccessible::installActivationObserver(this);
    }
    ~ScreenReaderWatch() override { QAccessible::removeActivationObserver(this); }
    void accessibilityActiveChanged(bool active) override {
        app_.screenReader_ = active;
        app_.followTalk();
    }

private:
    App& app_;
};

App::App(const QString& storePath) : readerWatch_(std::make_unique<ScreenReaderWatch>(*this)) {
    // The desktop's language until the child's own is known.
    useLanguage(languageFor(QLocale().uiLanguages()));
    about_ = std::make_unique<FrmAbout>();
    QObject::connect(about_.get(), &FrmAbout::okClicked, about_.get(), [this] { aboutOk(); });
    // Closing the start-up window before the main window ever opened ends the program;
    // afterwards it only hides it.
    QObject::connect(about_.get(), &FrmAbout::closedForGood, about_.get(), [this] {
        ended_ = true;
        endProgram(0);
    });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, about_.get());
    QObject::connect(f1, &QShortcut::activated, about_.get(), [this] { showHelp(); });

    // The start-up window's start-up: where the data is, and the saved options.
    about_->Form_Load();
    g_.AppPath = findAppPath();
    qCDebug(lcShell).noquote() << "data directory" << QString::fromStdString(g_.AppPath);
    removeUnfinishedSaves();
    loadSettings(g_);

    storePath_ = storePath;
}

void App::openRecord() {
    if (store_) return;
    // The progress record. Whatever becomes of it, typing goes on: a record that cannot
    // be kept only means nothing is written, and a parent is told why.
    store_ = std::make_unique<progress::Store>(storePath_);
    // In a classroom every line also waits in the queue for the school's server.
    server_ = progress::configuredServer();
    store_->setQueueForServer(!server_.isEmpty());
    recorder_ = std::make_unique<progress::Recorder>(*store_);
    recorder_->onProblem = [this](const progress::StoreProblem& problem) {
        storeFailed(recordProblemText(problem));
    };
    recorder_->onRecovered = [this] { storeRecovered(); };
    if (!store_->open())
        storeFailed(recordProblemText(store_->problem()));
    else if (!store_->movedAside().isEmpty())
        //: %1 is the file the damaged record was kept as.
        problem_ = QCoreApplication::translate("App", "Tapwell's progress file was damaged. It was "
                                                      "kept as %1, and a new record was started.")
                       .arg(store_->movedAside());
    childrenService_ = std::make_unique<progress::ChildrenService>(*store_);
    QObject::connect(childrenService_.get(), &progress::ChildrenService::changed,
                     [this](const QList<progress::Child>& c) { childrenChanged(c); });
    children_ = childrenService_->children();
    if (!server_.isEmpty()) openClassroom();
    setChild(children_.front());
}

void App::openClassroom() {
    // The child is the account signed in, by its login: the name the school's record
    // knows them by. Nobody else types here, and nobody is added or removed.
    login_ = progress::accountLogin();
    if (store_->childNamed(login_)) childrenService_->reload();
    children_ = onlyTheAccount(childrenService_->children());
    if (children_.isEmpty()) children_ = {progress::Child{0, login_, {}, {}, {}, false, {}, false}};
    sender_ = std::make_unique<progress::Sender>(storePath_, server_, login_);
    recorder_->onWritten = [this] { sender_->lineWritten(); };
    QObject::connect(sender_.get(), &progress::Sender::statusChanged,
                     [this](const progress::SendStatus& s) {
                         sendNote_ = sendNoteText(s);
                         showNote();
                         // Ids of the server's own: kept apart from this computer's.
                         classChildren_ = s.classChildren;
                         for (progress::Child& c : classChildren_)
                             c.id = -c.id;
                         if (progress_) progress_->childrenChanged();
                     });
    qCDebug(lcShell).noquote() << "classroom: typing as" << login_;
}

QList<progress::Child> App::onlyTheAccount(const QList<progress::Child>& children) const {
    QList<progress::Child> out;
    for (const progress::Child& c : children)
        if (c.name == login_) out << c;
    return out;
}

void App::openClass() {
    if (!classWindow_) {
        classWindow_ = std::make_unique<ClassWindow>(
            server_, &main_->state(), [this](const QString& file, QString& error) {
                // The class's lines, as the teacher may read them on the server.
                progress::Store store(server_, QStringLiteral("tapwell.export"),
                                      progress::Engine::PostgreSQL);
                store.open();
                return writeCsv(store, file, error);
            });
    }
    classWindow_->refresh();
    classWindow_->show();
    classWindow_->raise();
    classWindow_->activateWindow();
}

void App::showNote() {
    if (!childFrame_) return;
    childFrame_->setProblem(problem_.isEmpty() ? sendNote_ : problem_);
    // A teacher is known once the sender has signed in.
    if (sender_)
        childFrame_->setClassroom(sender_->status().teacher ? ChildFrame::Classroom::Teacher
                                                            : ChildFrame::Classroom::Child);
}

App::~App() = default;

int App::run() {
    // Shown as "Info?" shows it: raised and active, so its keys (F1 among them) work at once.
    showAbout();
    // Once the start-up window is drawn, while the child reads it, the record opens
    // (loading the database driver need not keep the window waiting) and the main
    // window's controls are built: building them after OK took most of OK's time to the
    // menu screen.
    new AfterFirstPaint(about_.get(), [this] { prepareMain(); });
    return QApplication::exec();
}

std::unique_ptr<FrmType> App::makeMain() {
    auto w = std::make_unique<FrmType>(
        g_, Services{&clock_, &random_, &sound_, &pause_, recorder_.get()}, this);
    auto* f1 = new QShortcut(QKeySequence::HelpContents, w.get());
    QObject::connect(f1, &QShortcut::activated, w.get(), [this] { showHelp(); });
    return w;
}

void App::prepareMain() {
    if (main_ || preparedMain_ || ended_) return;
    openRecord(); // the window records through the record's recorder
    if (sender_) sender_->start();
    sayOnAbout();
    preparedMain_ = makeMain();
}

void App::sayOnAbout() {
    if (talking() && about_->isVisible()) voice_.say(aboutTalk(), languageInUse().toStdString());
}

void App::aboutOk() {
    openRecord();
    if (children_.size() >= 2)
        askWhoIsTyping(true);
    else
        openMain();
}

void App::openMain() {
    openRecord();
    if (!main_) {
        about_->setClosingEndsProgram(false);
        main_ = preparedMain_ ? std::move(preparedMain_) : makeMain();
        std::string error;
        if (!main_->Form_Load(error)) {
            //: The title of the message that says why.
            fail(QCoreApplication::translate("App", "Tapwell cannot start"),
                 QString::fromStdString(error));
            return;
        }
        const TypeState& s = main_->state();
        sound_.preload({s.DingSound, s.UhOhSound, s.TadaSound});
        childFrame_ = new ChildFrame(main_.get(), main_->menuFrame());
        childFrame_->setChild(child_);
        showNote();
        QObject::connect(childFrame_, &ChildFrame::changeChildClicked, main_.get(),
                         [this] { server_.isEmpty() ? askWhoIsTyping(false) : openClass(); });
        QObject::connect(childFrame_, &ChildFrame::progressClicked, main_.get(),
                         [this] { showProgress(); });
        QObject::connect(childFrame_, &ChildFrame::trickyClicked, main_.get(),
                         [this] { main_->cmdTricky_Click(); });
        main_->core().setTrickySource([this] { return trickyRecord(); });
        QObject::connect(childFrame_, &ChildFrame::keyboardClicked, main_.get(),
                         [this] { chooseKeyboard(); });
        QObject::connect(childFrame_, &ChildFrame::talkClicked, main_.get(), [this](bool on) {
            talkTicked_ = on;
            progress::ChildError error;
            if (!childrenService_->setTalk(child_.id, on, error)) talkTicked_ = false;
            followTalk();
            if (talking()) main_->core().menuShown(); // the box is on the menu screen
        });
        // The keyboard chosen for the child, else the one in use.
        // The keyboard's layout is read once the main window is on the screen, before an
        // activity needs it (the first reading loads the desktop's composing rules).
        new AfterFirstPaint(main_.get(), [this] {
            main_->followKeyboard();
            main_->setLanguage(languageInUse());
        });
        main_->setKeyboardSource([this, inUse = keyboardInUse(), named = keyboardNamed()] {
            // A name the desktop no longer knows: the keyboard in use.
            const std::optional<Keys> chosen =
                child_.keyboard.isEmpty() ? std::nullopt : named(child_.keyboard, child_.accents);
            std::shared_ptr<const LayoutKeys> keys = chosen ? *chosen : inUse(child_.accents);
            if (recorder_)
                recorder_->setKeyboard(keys ? QString::fromStdString(keys->name) : QString());
            return keys;
        });
        restoreWindowSize(main_.get());
        followTalk();
        qCDebug(lcShell) << "main window loaded";
    }
    main_->show();
    main_->raise();
    main_->activateWindow();
    main_->core().menuShown();
    // Qt Multimedia and the sound server's libraries load once the window is on its way
    // to the screen, before the first key can come.
    if (!sound_.loaded()) QTimer::singleShot(0, main_.get(), [this] { loadSound(); });
}

void App::loadVoice() {
    if (voice_.loaded()) return;
    QString why;
    std::unique_ptr<Voice> voice = tapwell::loadVoice(why, speechLibrary);
    if (!voice) {
        qCDebug(lcShell).noquote() << "no voice:" << why;
        return;
    }
    voice_.set(std::move(voice));
}

bool App::talking() const {
    // With a screen reader running the two would talk at once: Tapwell's voice starts off,
    // and a child who ticks "Talk to me" hears it all the same.
    return child_.talk && (talkTicked_ || !screenReader_);
}

void App::followTalk() {
    const bool on = talking();
    // Loaded the first time a child wants it, once a window is on the screen.
    if (on && !voiceTried_) {
        voiceTried_ = true;
        QTimer::singleShot(0, about_.get(), [this] { loadVoice(); });
    }
    if (!on) voice_.stop();
    if (childFrame_) childFrame_->chkTalk->setChecked(on);
    if (main_) main_->core().setVoice(on ? &voice_ : nullptr, languageInUse().toStdString());
}

void App::loadSound() {
    if (sound_.loaded()) return;
    QString why;
    sound_.set(loadSoundService(why, soundLibrary));
    if (!why.isEmpty()) qCDebug(lcShell).noquote() << "no sound:" << why;
}

void App::setChild(const progress::Child& child) {
    openRecord();
    if (child.id != child_.id) talkTicked_ = false;
    child_ = child;
    useChildsLanguage();
    recorder_->setChild(child.id);
    if (childFrame_) childFrame_->setChild(child);
    followTalk();
    qCDebug(lcShell).noquote() << "typing now:" << child.name;
}

ChildChooser& App::madeChooser() {
    openRecord();
    if (!chooser_) {
        chooser_ = std::make_unique<ChildChooser>(*childrenService_);
        QObject::connect(chooser_.get(), &ChildChooser::chosen, [this](const progress::Child& c) {
            setChild(c);
            if (chooserFromAbout_ || !main_ || !main_->isVisible())
                openMain();
            else
                main_->activateWindow();
        });
        QObject::connect(chooser_.get(), &ChildChooser::back, [this] {
            if (chooserFromAbout_)
                showAbout();
            else if (main_)
                main_->activateWindow();
        });
    }
    return *chooser_;
}

void App::askWhoIsTyping(bool fromAbout) {
    madeChooser();
    chooserFromAbout_ = fromAbout;
    chooser_->setChildren(children_, child_.id);
    chooser_->adjustSize();
    centreOnScreen(chooser_.get());
    chooser_->show();
    chooser_->raise();
    chooser_->activateWindow();
}

void App::childrenChanged(const QList<progress::Child>& children) {
    children_ = server_.isEmpty() ? children : onlyTheAccount(children);
    if (children_.isEmpty()) return;
    // The child typing now may have a new name or picture, or be gone.
    for (const progress::Child& c : children_)
        if (c.id == child_.id) {
            setChild(c);
            if (progress_) progress_->childrenChanged();
            return;
        }
    setChild(children_.front());
    if (progress_) progress_->childrenChanged();
}

void App::useChildsLanguage() {
    const QString language =
        child_.language.isEmpty() ? languageFor(QLocale().uiLanguages()) : child_.language;
    const QString before = languageInUse();
    if (!useLanguage(language)) {
        qCDebug(lcShell).noquote() << "no texts for" << language;
        useLanguage(QStringLiteral("en"));
    }
    // My Progress says its sentences as it fills: an open one is made anew in the language,
    // once whatever asked for the change (perhaps My Progress itself) has returned.
    if (progress_ && languageInUse() != before)
        QTimer::singleShot(0, main_.get(), [this] {
            if (!progress_) return;
            const bool shown = progress_->widget()->isVisible();
            progress_.reset();
            if (shown) showProgress();
        });
    // The words follow once the main window is on the screen.
    if (main_ && main_->isVisible()) main_->setLanguage(languageInUse());
}

void App::chooseKeyboard() {
    if (!main_ || child_.id == 0) return;
    if (!keyboardChooser_) keyboardChooser_ = new KeyboardChooser(main_.get());
    const auto chosen =
        keyboardChooser_->choose({child_.keyboard, child_.accents, child_.language});
    main_->activateWindow(); // the keys go to the menu again, with or without a window manager
    if (!chosen) return;
    progress::ChildError error;
    if (chosen->language != child_.language &&
        !childrenService_->setLanguage(child_.id, chosen->language, error)) {
        QMessageBox::warning(main_.get(), QCoreApplication::translate("App", "Language"),
                             childErrorText(error));
        return;
    }
    if (chosen->keyboard == child_.keyboard && chosen->accents == child_.accents) return;
    if (!childrenService_->setKeyboard(child_.id, chosen->keyboard, chosen->accents, error)) {
        //: The title of a message: the keyboard chosen could not be kept.
        QMessageBox::warning(main_.get(), QCoreApplication::translate("App", "Keyboard"),
                             childErrorText(error));
        return;
    }
    main_->followKeyboard();
}

void App::showProgress() {
    if (!progress_ && main_) {
        ProgressHost host;
        host.store = store_.get();
        host.server = server_;
        host.classChildren = [this] { return classChildren_; };
        host.keys = &main_->state();
        host.children = childrenService_.get();
        host.saveCsv = [this](const QString& file, QString& error) {
            return writeCsv(*store_, file, error);
        };
        host.start = [this](const progress::Suggestion& what) { return startSuggestion(what); };
        QString why;
        progress_.reset(loadProgressView(host, why, progressLibrary));
        if (!progress_) qCDebug(lcShell).noquote() << why;
    }
    // A teacher sees their class's children, the first of them to begin with.
    if (progress_)
        return progress_->showChild(classChildren_.isEmpty() ? child_ : classChildren_.front());
    if (!summary_) summary_ = std::make_unique<ProgressSummary>();
    summary_->showFor(child_, progress::summarize(store_->lines(child_.id)));
}

bool App::startSuggestion(const progress::Suggestion& what) {
    // Only from the menu screen: a drill under way is the child's, not the parent's.
    if (!main_ || !main_->menuFrame()->isVisible()) return false;
    switch (what.kind) {
    case progress::Suggestion::Kind::TrickyKeys:
        main_->checkRows(what.rows); // so the drill draws the keys that need practice
        main_->cmdTricky_Click();
        break;
    case progress::Suggestion::Kind::NextLesson:
        main_->cmdMenu_Click(kLearnKeyboard);
        main_->cmdLearn_Click(what.row);
        break;
    case progress::Suggestion::Kind::EveryDay:
    case progress::Suggestion::Kind::None:
        break; // the menu, to choose from
    }
    main_->raise();
    main_->activateWindow();
    return true;
}

TrickyRecord App::trickyRecord() {
    // The child's keys from their latest lines; a child with none gets plain lines.
    TrickyRecord record;
    if (!store_ || !main_ || child_.id == 0) return record;
    const auto keys =
        progress::keyStats(main_->state(), progress::pressesOf(store_->recentKeys(child_.id)));
    for (const auto& [key, stats] : keys)
        record[key] = {progress::trickyWeight(&stats), progress::isSecure(&stats)};
    return record;
}

void App::storeFailed(const QString& problem) {
    // Said once, where it takes nothing from a child who is typing: a note on the menu
    // screen, seen when the activity stops and there for as long as the run lasts.
    if (storeFailed_) return;
    storeFailed_ = true;
    const QString why = problem.isEmpty()
                            ? QCoreApplication::translate("App", "Tapwell cannot save progress.")
                            : problem;
    //: %1 is the sentence before, as "Tapwell cannot save progress: the disk is full.".
    problem_ =
        QCoreApplication::translate("App", "%1 Typing works as always, but it is not being kept.")
            .arg(why);
    qCDebug(lcShell).noquote() << problem_;
    showNote();
}

void App::storeRecovered() {
    // The record is being kept again: the note goes, and a later fault is said again.
    storeFailed_ = false;
    problem_.clear();
    qCDebug(lcShell) << "progress is being kept again";
    showNote();
}

void App::showAbout() {
    about_->show();
    about_->raise();
    about_->activateWindow();
    about_->Command1->setFocus();
    sayOnAbout();
}

void App::showHelp() {
    if (!help_) help_ = std::make_unique<HelpViewer>();
    // The help in the language in use, English where it has none.
    const QString own =
        QString::fromStdString(g_.AppFile("tapwell_" + languageInUse().toStdString() + ".hlp"));
    help_->openContents(languageInUse() != QLatin1String("en") && QFileInfo(own).isFile()
                            ? own
                            : QString::fromStdString(g_.AppFile("tapwell.hlp")));
}

void App::exitProgram() {
    if (ended_) return;
    QString path, reason;
    if (!saveSettings(g_, path, reason)) {
        fail(QCoreApplication::translate("App", "Tapwell cannot save your choices"),
             //: %1 is the settings file; %2 is why, as the system says it.
             QCoreApplication::translate("App", "Tapwell could not write its settings file %1: %2.")
                 .arg(path, reason));
        return;
    }
    if (main_) saveWindowSize(main_.get());
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
