#include "progresswindow.h"

#include "charts.h"
#include "logging.h"
#include "progresswords.h"

#include "progress/children.h"
#include "ui/accessibility.h"
#include "ui/controls.h"
#include "ui/keyboardwidget.h"
#include "ui/palette.h"
#include "ui/recordwords.h"
#include "ui/twips.h"
#include "ui/whoistyping.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineEdit>
#include <QLineSeries>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tapwell {

namespace {

QString literal(QString name) {
    return name.replace(QLatin1Char('&'), QLatin1String("&&"));
}

// The lessons' names, home .. number.
const char* const kRowTitles[] = {QT_TRANSLATE_NOOP("tapwell::ProgressWindow", "Home Row"),
                                  QT_TRANSLATE_NOOP("tapwell::ProgressWindow", "Top Row"),
                                  QT_TRANSLATE_NOOP("tapwell::ProgressWindow", "Bottom Row"),
                                  QT_TRANSLATE_NOOP("tapwell::ProgressWindow", "Number Row")};

} // namespace

// ------------------------------------------------------------------ window

ProgressWindow::ProgressWindow(const ProgressHost& host) : QWidget(nullptr), host_(host) {
    setWindowTitle(tr("My Progress"));
    setAccessibleName(tr("My Progress"));
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kLightOrange);
    pal.setColor(QPalette::WindowText, kMaroon);
    setPalette(pal);
    setAutoFillBackground(true);

    // Everything but the last row scrolls where the screen is too small for it (a small
    // screen at twice the size); Save and Close stay in sight.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);
    auto* page = new QWidget(scroll);
    page->setAutoFillBackground(true);
    page->setPalette(pal);
    scroll->setWidget(page);
    outer->addWidget(scroll);
    auto* layout = new QVBoxLayout(page);

    // Who: picture, name, and a parent's tools.
    auto* head = new QHBoxLayout;
    imgChild = new ImageBox(page, true);
    imgChild->setFixedSize(64, 64);
    head->addWidget(imgChild);
    lblName = new QLabel(page);
    lblName->setFont(layoutFont(QStringLiteral("Comic Sans MS"), 18, true));
    lblName->setTextFormat(Qt::PlainText);
    head->addWidget(lblName, 1);
    auto* ofLabel = new QLabel(tr("Progress &of:"), page);
    cboChild = new QComboBox(page);
    cboChild->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    // Named by its label; a screen reader reads its name as the child chosen.
    ofLabel->setBuddy(cboChild);
    describeChoice(*cboChild);
    head->addWidget(ofLabel);
    head->addWidget(cboChild);
    cmdAdd = new QPushButton(tr("&Add a child…"), page);
    cmdRename = new QPushButton(tr("&Rename…"), page);
    cmdRemove = new QPushButton(tr("Re&move…"), page);
    cmdAdd->setAccessibleName(tr("Add a child"));
    cmdRename->setAccessibleName(tr("Rename this child"));
    cmdRemove->setAccessibleName(tr("Remove this child"));
    for (QPushButton* b : {cmdAdd, cmdRename, cmdRemove}) {
        b->setAutoDefault(false);
        head->addWidget(b);
    }
    layout->addLayout(head);

    auto* body = new QHBoxLayout;
    // Left: the trouble map and what it says in words.
    auto* left = new QVBoxLayout;
    auto* mapTitle = new QLabel(tr("Keys I miss"), page);
    mapTitle->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    left->addWidget(mapTitle);
    keyboard = new OnScreenKeyboard(page);
    keyboard->setFixedSize(px(9495), px(3495));
    keyboard->setAccessibleName(tr("Trouble map"));
    keyboard->setAccessibleDescription(
        tr("The keyboard, each key coloured by how often it is missed"));
    for (ImageBox* hand : keyboard->imgHand)
        hand->show();
    if (host_.keys) keyboard->setCaptions(*host_.keys);
    left->addWidget(keyboard);
    legend = new TroubleLegend(page);
    left->addWidget(legend);
    lblSentences = new QLabel(page);
    lblSentences->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    lblSentences->setWordWrap(true);
    lblSentences->setTextFormat(Qt::PlainText);
    lblSentences->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    left->addWidget(lblSentences);
    auto* next = new QHBoxLayout;
    lblSuggestion = new QLabel(page);
    lblSuggestion->setFont(layoutFont(QStringLiteral("Arial"), 12, true));
    lblSuggestion->setWordWrap(true);
    lblSuggestion->setTextFormat(Qt::PlainText);
    next->addWidget(lblSuggestion, 1);
    cmdSuggestion = new QPushButton(page);
    cmdSuggestion->setAutoDefault(false);
    cmdSuggestion->hide();
    next->addWidget(cmdSuggestion, 0, Qt::AlignVCenter);
    left->addLayout(next);
    lblLessons = new QLabel(page);
    lblLessons->setWordWrap(true);
    lblLessons->setTextFormat(Qt::PlainText);
    left->addWidget(lblLessons);
    left->addStretch();
    body->addLayout(left);

    // Right: the charts, of the span chosen above them.
    auto* right = new QVBoxLayout;
    auto* spanRow = new QHBoxLayout;
    auto* spanLabel = new QLabel(tr("S&how:"), page);
    cboSpan = new QComboBox(page);
    cboSpan->addItem(tr("the last 4 weeks, day by day"),
                     static_cast<int>(progress::Span::FourWeeks));
    cboSpan->addItem(tr("the last 6 months, week by week"),
                     static_cast<int>(progress::Span::SixMonths));
    cboSpan->addItem(tr("all, month by month"), static_cast<int>(progress::Span::All));
    spanLabel->setBuddy(cboSpan);
    describeChoice(*cboSpan);
    spanRow->addWidget(spanLabel);
    spanRow->addWidget(cboSpan);
    spanRow->addStretch(1);
    right->addLayout(spanRow);
    chtSpeed = makeChartView(page, tr("Words per minute each day"));
    chtAccuracy = makeChartView(page, tr("Accuracy each day"));
    chtMinutes = makeChartView(page, tr("Minutes typed each day"));
    for (QChartView* v : {chtSpeed, chtAccuracy, chtMinutes})
        right->addWidget(v, 1);
    lblMinutes = new QLabel(page);
    lblMinutes->setTextFormat(Qt::PlainText);
    lblMinutes->setWordWrap(true); // never wider than the charts above it
    right->addWidget(lblMinutes);
    charts_ = new ProgressCharts({chtSpeed, chtAccuracy, chtMinutes, lblMinutes}, this);
    body->addLayout(right, 1);
    layout->addLayout(body, 1);

    auto* foot = new QHBoxLayout;
    foot->setContentsMargins(9, 6, 9, 9);
    lblSaved = new QLabel(this);
    lblSaved->setTextFormat(Qt::PlainText);
    foot->addWidget(lblSaved, 1);
    cmdSave = new QPushButton(tr("&Save as CSV…"), this);
    cmdSave->setAccessibleName(tr("Save as CSV"));
    cmdSave->setToolTip(tr("Every child's lines, for a spreadsheet"));
    cmdClose = new QPushButton(tr("&Close"), this);
    cmdClose->setAccessibleName(tr("Close"));
    cmdSave->setAutoDefault(false);
    cmdClose->setAutoDefault(false);
    foot->addWidget(cmdSave);
    foot->addWidget(cmdClose);
    outer->addLayout(foot);

    setTabOrder(cboChild, cmdAdd);
    setTabOrder(cmdAdd, cmdRename);
    setTabOrder(cmdRename, cmdRemove);
    // Every part by Tab, as they stand: the map and what it says, then the charts.
    keyboard->setFocusPolicy(Qt::TabFocus);
    for (QLabel* l : {lblSentences, lblLessons, lblMinutes}) {
        l->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        l->setFocusPolicy(Qt::StrongFocus); // a click alone would not reach it
    }
    setTabOrder(cmdRemove, keyboard);
    setTabOrder(keyboard, lblSentences);
    setTabOrder(lblSentences, cmdSuggestion);
    setTabOrder(cmdSuggestion, lblLessons);
    setTabOrder(lblLessons, cboSpan);
    setTabOrder(cboSpan, chtSpeed);
    setTabOrder(chtSpeed, chtAccuracy);
    setTabOrder(chtAccuracy, chtMinutes);
    setTabOrder(chtMinutes, lblMinutes);
    setTabOrder(lblMinutes, cmdSave);
    setTabOrder(cmdSave, cmdClose);

    connect(cboChild, &QComboBox::currentIndexChanged, this, [this](int i) { childChosen(i); });
    connect(cboSpan, &QComboBox::currentIndexChanged, this, [this](int i) { spanChosen(i); });
    connect(cmdAdd, &QPushButton::clicked, this, [this] { addClicked(); });
    connect(cmdRename, &QPushButton::clicked, this, [this] { renameClicked(); });
    connect(cmdRemove, &QPushButton::clicked, this, [this] { removeClicked(); });
    connect(cmdSave, &QPushButton::clicked, this, [this] { saveClicked(); });
    connect(cmdSuggestion, &QPushButton::clicked, this, [this] { suggestionClicked(); });
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    // As large as it wants to be, within the screen.
    resize(1180, 760);
}

void ProgressWindow::showChild(const progress::Child& child) {
    fill(child);
    if (!isVisible()) {
        if (const QScreen* s = screen()) resize(size().boundedTo(s->availableSize()));
        centreOnScreen(this);
    }
    show();
    raise();
    activateWindow();
    cboChild->setFocus();
}

QList<progress::Child> ProgressWindow::listed() const {
    if (host_.classChildren)
        if (QList<progress::Child> c = host_.classChildren(); !c.isEmpty()) return c;
    return host_.children ? host_.children->children() : QList<progress::Child>{};
}

void ProgressWindow::childrenChanged() {
    const QList<progress::Child> now = listed();
    if (reader_) reader_->keepOnly(now);
    for (const progress::Child& c : now)
        if (c.id == child_.id) {
            if (isVisible())
                fill(c); // a new name or picture
            else
                child_ = c;
            return;
        }
    // Shown no more: the first child's instead.
    if (!now.isEmpty() && isVisible()) fill(now.front());
}

void ProgressWindow::listChildren() {
    listing_ = true;
    children_ = listed();
    if (children_.isEmpty()) children_ = {child_};
    cboChild->clear();
    int current = 0;
    for (int i = 0; i < children_.size(); ++i) {
        cboChild->addItem(children_[i].name);
        if (children_[i].id == child_.id) current = i;
    }
    cboChild->setCurrentIndex(current);
    listing_ = false;
    // A teacher's class is the administrator's to change.
    const bool kept = host_.store && host_.store->usable() && !teaching();
    cmdAdd->setEnabled(kept && host_.children);
    cmdRename->setEnabled(kept && host_.children && child_.id != 0);
    cmdRemove->setEnabled(kept && host_.children && children_.size() > 1);
    cmdSave->setEnabled(kept && host_.saveCsv);
}

bool ProgressWindow::teaching() const {
    return host_.classChildren && !host_.classChildren().isEmpty();
}

void ProgressWindow::childChosen(int index) {
    if (listing_ || index < 0 || index >= children_.size()) return;
    if (children_[index].id != child_.id) fill(children_[index]);
}

void ProgressWindow::fill(progress::Child child) {
    child_ = child;
    imgChild->setPicture(childPicture(child.picture));
    //: %1 is the child's name.
    imgChild->setAccessibleName(tr("%1's picture").arg(child.name));
    lblName->setText(child.name);
    listChildren();
    lblSaved->clear();

    // What was read of this child before stays in sight until the record's news comes;
    // another child's does not.
    if (!shown_ || shown_->child.id != child.id) {
        auto nothing = std::make_shared<ProgressData>();
        nothing->child = child;
        nothing->day = today.isValid() ? today : QDate::currentDate();
        draw(nothing, [] {});
        if (child.id != 0 && host_.store && host_.store->usable())
            //: %1 is the child's name.
            lblSentences->setText(tr("Reading %1's progress…").arg(child.name));
    }
    if (host_.store && host_.store->usable() && child.id != 0) {
        if (!reader_) {
            reader_ = std::make_unique<RecordReader>(host_.store->path(), host_.keys);
            if (!host_.server.isEmpty()) reader_->readFromServer(host_.server);
            connect(reader_.get(), &RecordReader::read, this,
                    [this](std::shared_ptr<const ProgressData> data) {
                        if (data->child.id != child_.id) return;
                        // Whose progress, said as it comes, wherever the focus is; a
                        // window not yet active is not listened to, so it waits till then.
                        opening_ = progress::openingSentence(data->child.name, data->lines);
                        if (isActiveWindow()) sayToScreenReader(*this, std::exchange(opening_, {}));
                        // Nothing new since it was drawn: the window stays as it is.
                        const bool same = shown_ && shown_->child.id == data->child.id &&
                                          shown_->day == data->day && !data->readAll &&
                                          data->linesRead == 0;
                        if (same) {
                            emit filled();
                            return;
                        }
                        draw(data, [this] { emit filled(); });
                    });
        }
        reader_->request(child, today.isValid() ? today : QDate::currentDate(),
                         host_.keys ? host_.keys->layout : nullptr);
    } else {
        emit filled();
    }
}

void ProgressWindow::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !opening_.isEmpty())
        sayToScreenReader(*this, std::exchange(opening_, {}));
}

void ProgressWindow::draw(std::shared_ptr<const ProgressData> data, std::function<void()> done) {
    shown_ = std::move(data);
    QElapsedTimer timer;
    timer.start();
    fillMap();
    fillWords(*shown_);
    fillCharts(*shown_, std::move(done));
    qCDebug(lcWindow) << "drew" << shown_->lines.size() << "lines and" << shown_->presses.size()
                      << "keys in" << timer.elapsed() << "ms";
}

void ProgressWindow::fillCharts(const ProgressData& data, std::function<void()> done) {
    // Another child's charts open on the span that suits their record; the same child's
    // keep the span chosen for them.
    progress::Span span = progress::defaultSpan(data.lines, data.day, charts_->plotWidth());
    if (spanChosenFor_ == child_.id) span = charts_->span();
    const QSignalBlocker quiet(cboSpan);
    cboSpan->setCurrentIndex(cboSpan->findData(static_cast<int>(span)));
    // Said the same whatever the span: the last four weeks, day by day.
    charts_->describe(progress::chartWords(figuresOf(progress::Span::FourWeeks), data.day));
    if (done)
        charts_->fillInSteps(figuresOf(span), span, std::move(done));
    else
        drawSpan(span);
}

progress::SpanFigures ProgressWindow::figuresOf(progress::Span span) const {
    // As the reader worked them out; a record not read (none kept) has nothing in them.
    const progress::SpanFigures& read = shown_->charts[static_cast<std::size_t>(span)];
    return read.periods.empty() ? progress::spanFigures(shown_->lines, span, shown_->day) : read;
}

void ProgressWindow::drawSpan(progress::Span span) {
    charts_->fill(figuresOf(span), span);
}

void ProgressWindow::spanChosen(int index) {
    if (index < 0 || !shown_) return;
    spanChosenFor_ = child_.id;
    // From what was read: the record is not read again.
    drawSpan(static_cast<progress::Span>(cboSpan->itemData(index).toInt()));
}

const std::map<int, progress::KeyStats>& ProgressWindow::keyStats() const {
    static const std::map<int, progress::KeyStats> none;
    return shown_ ? shown_->keys : none;
}

void ProgressWindow::fillMap() {
    if (host_.keys) keyboard->setCaptions(*host_.keys); // the keyboard in use now
    fillTroubleMap(*keyboard, host_.keys, shown_->keys);
    if (host_.keys)
        keyboard->setAccessibleDescription(progress::troubleList(*host_.keys, shown_->keys));
}

void ProgressWindow::fillWords(const ProgressData& data) {
    QStringList words;
    if (host_.keys) {
        words << (data.weakestFinger
                      ? progress::fingerSentence(*host_.keys, *data.weakestFinger)
                      : tr("Type a few more lines, and Tapwell can tell you which finger "
                           "misses most."));
        if (!data.betterThisWeek.empty())
            words << progress::betterSentence(*host_.keys, data.betterThisWeek);
    }
    if (data.bestLine) words << progress::bestLineSentence(*data.bestLine);
    lblSentences->setText(words.join(QLatin1Char('\n')));

    const QString suggestion =
        host_.keys ? progress::suggestionSentence(*host_.keys, data.suggestion) : QString();
    lblSuggestion->setText(suggestion);
    lblSuggestion->setVisible(!suggestion.isEmpty());
    cmdSuggestion->setText(progress::suggestionButton(data.suggestion));
    cmdSuggestion->setAccessibleName(QString(cmdSuggestion->text()).remove(QLatin1Char('&')));
    cmdSuggestion->setVisible(!suggestion.isEmpty() && host_.start);

    const auto& finished = data.lessonsFinished;
    QStringList lessons{tr("Lessons practised to the end:")};
    for (int row = kHomeRow; row <= kNumberRow; ++row) {
        const QString lesson = tr(kRowTitles[row - kHomeRow]);
        const auto it = finished.find(row);
        if (it == finished.end())
            //: Under "Lessons practised to the end:": %1 is a lesson, as "Home Row".
            lessons << tr("%1: not yet").arg(lesson);
        else
            //: Under "Lessons practised to the end:": %1 is a lesson, as "Home Row"; %2 the
            //: day, as "8 December 2026".
            lessons << tr("%1: yes, last on %2")
                           .arg(lesson, it->second.toString(QStringLiteral("d MMMM yyyy")));
    }
    lblLessons->setText(lessons.join(QLatin1Char('\n')));
}

// ------------------------------------------------------------------ a parent's tools

void ProgressWindow::addClicked() {
    if (!host_.children) return;
    //: The title of the window that asks for the new child's name and picture.
    ChildEditor editor(this, tr("Add a child"), QString(), progress::freePicture(children_));
    editor.setWindowModality(Qt::WindowModal);
    while (editor.exec() == QDialog::Accepted) {
        progress::ChildError error;
        if (const auto id = host_.children->add(editor.name(), editor.picture(), error)) {
            for (const progress::Child& c : host_.children->children())
                if (c.id == *id) return fill(c);
            return listChildren();
        }
        editor.showError(childErrorText(error));
    }
}

void ProgressWindow::renameClicked() {
    if (!host_.children || child_.id == 0) return;
    const progress::Child c = child_;
    //: The title of the window that asks for a new name: %1 is the child's name now.
    ChildEditor editor(this, tr("Rename %1").arg(c.name), c.name, c.picture);
    editor.setWindowModality(Qt::WindowModal);
    while (editor.exec() == QDialog::Accepted) {
        progress::ChildError error;
        if (host_.children->change(c.id, editor.name(), editor.picture(), error)) {
            for (const progress::Child& now : host_.children->children())
                if (now.id == c.id) return fill(now);
            return;
        }
        editor.showError(childErrorText(error));
    }
}

QString ProgressWindow::removeQuestion() const {
    const progress::Summary s =
        host_.store ? progress::summarize(host_.store->lines(child_.id)) : progress::Summary{};
    // The days as "My Progress" says them when it opens: "9 lines typed on 3 days".
    const QString days =
        s.days == 1
            ? QCoreApplication::translate("ProgressWords", "1 day", "typed on")
            : QCoreApplication::translate("ProgressWords", "%n days", "typed on", int(s.days));
    QString kept;
    if (s.lines == 0)
        //: %1 is the child's name.
        kept = tr("Nothing has been typed as %1 yet.").arg(child_.name);
    else if (s.lines == 1)
        //: %1 is the days, as "1 day" or "3 days".
        kept = tr("That is 1 line typed on %1.").arg(days);
    else
        //: %1 is the days, as "1 day" or "3 days".
        kept = tr("That is %n lines typed on %1.", nullptr, int(s.lines)).arg(days);
    //: %1 is the child's name; %2 is how much was typed, as "That is 9 lines typed on 3 days."
    //: or "Nothing has been typed as Anna yet."
    return tr("Remove %1 from Tapwell?\n\nThis deletes %1's name and picture and everything "
              "Tapwell has kept of %1's typing: every line, every key, the charts and the trouble "
              "map. %2")
        .arg(child_.name, kept);
}

void ProgressWindow::removeClicked() {
    if (!host_.children || children_.size() < 2) return;
    const progress::Child c = child_;
    //: The title of the questions before a child is removed: %1 is the child's name.
    const QString title = tr("Remove %1").arg(c.name);
    QMessageBox first(QMessageBox::Warning, title, removeQuestion(),
                      QMessageBox::Yes | QMessageBox::No, this);
    first.setDefaultButton(QMessageBox::No);
    first.setTextFormat(Qt::PlainText);
    first.setWindowModality(Qt::WindowModal);
    if (first.exec() != QMessageBox::Yes) return;
    QMessageBox second(QMessageBox::Warning, title,
                       //: %1 is the child's name.
                       tr("Are you sure? %1's progress cannot be brought back.").arg(c.name),
                       QMessageBox::NoButton, this);
    //: A button: %1 is the child's name.
    QPushButton* remove =
        second.addButton(tr("Remove %1", "button").arg(literal(c.name)), QMessageBox::AcceptRole);
    //: A button: %1 is the child's name.
    QPushButton* keep =
        second.addButton(tr("&Keep %1").arg(literal(c.name)), QMessageBox::RejectRole);
    second.setDefaultButton(keep);
    second.setTextFormat(Qt::PlainText);
    second.setEscapeButton(keep);
    second.setWindowModality(Qt::WindowModal);
    second.exec();
    if (second.clickedButton() != remove) return;
    progress::ChildError error;
    if (!host_.children->remove(c.id, error)) {
        QMessageBox warning(QMessageBox::Warning, title, childErrorText(error), QMessageBox::Ok,
                            this);
        warning.setWindowModality(Qt::WindowModal);
        warning.setTextFormat(Qt::PlainText);
        warning.exec();
        return;
    }
    const QList<progress::Child> now =
        host_.children ? host_.children->children() : QList<progress::Child>{};
    if (!now.isEmpty()) fill(now.front());
}

void ProgressWindow::saveClicked() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    //: The file dialog's filter: keep "(*.csv)" as it is.
    const QString filter = tr("CSV files (*.csv)");
    auto* dialog =
        new QFileDialog(this, tr("Save progress as CSV"),
                        QDir(folder).filePath(QStringLiteral("Tapwell progress.csv")), filter);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setDefaultSuffix(QStringLiteral("csv"));
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowModality(Qt::WindowModal);
    connect(dialog, &QFileDialog::fileSelected, this,
            [this](const QString& file) { saveTo(file); });
    dialog->open();
}

void ProgressWindow::suggestionClicked() {
    if (!shown_ || !host_.start || !host_.keys) return;
    const QString sentence = progress::suggestionSentence(*host_.keys, shown_->suggestion);
    if (host_.start(shown_->suggestion))
        lblSuggestion->setText(sentence);
    else
        //: %1 is what to do next, as "Try Tricky Keys: Q and ; need practice".
        lblSuggestion->setText(
            tr("%1\n(Stop what is being typed in the main window first.)").arg(sentence));
}

bool ProgressWindow::saveTo(const QString& file) {
    QString error;
    if (!host_.saveCsv || !host_.saveCsv(file, error)) {
        //: %1 is why, as "Cannot write /home/ann/a.csv: the disk is full."
        lblSaved->setText(tr("Not saved: %1").arg(error));
        return false;
    }
    //: %1 is the file.
    lblSaved->setText(tr("Saved as %1").arg(QDir::toNativeSeparators(file)));
    return true;
}

} // namespace tapwell
