#include "classwindow.h"

#include "accessibility.h"
#include "recordwords.h"
#include "state/keytables.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>

namespace tapwell {

namespace {

QTableWidgetItem* cell(const QString& text, bool number = false) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

ClassWindow::ClassWindow(QString server, const KeyTables* keys,
                         std::function<bool(const QString&, QString&)> saveCsv)
    : server_(std::move(server)), keys_(keys), saveCsv_(std::move(saveCsv)) {
    setObjectName(QStringLiteral("ClassWindow"));
    setWindowFlag(Qt::Window);
    status_ = new QLabel(this);
    table = new QTableWidget(0, 7, this);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    cmdSave = new QPushButton(this);
    cmdClose = new QPushButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(status_);
    layout->addWidget(table, 1);
    layout->addLayout(buttons);
    resize(1000, 420);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    connect(cmdSave, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getSaveFileName(this, tr("Save the class as CSV"),
                                                          QStringLiteral("class.csv"),
                                                          //: The file type in the save dialog.
                                                          tr("CSV files (*.csv)"));
        if (file.isEmpty() || !saveCsv_) return;
        // The class's lines come from the server: read and written off the GUI thread.
        if (saving_ && saving_->joinable()) saving_->join();
        cmdSave->setEnabled(false);
        saving_ = std::make_unique<std::thread>([this, file, save = saveCsv_] {
            QString error;
            const bool saved = save(file, error);
            QMetaObject::invokeMethod(
                this,
                [this, saved, error] {
                    cmdSave->setEnabled(true);
                    if (!saved) QMessageBox::warning(this, windowTitle(), error);
                },
                Qt::QueuedConnection);
        });
    });
    retranslate();
}

ClassWindow::~ClassWindow() {
    if (reading_ && reading_->joinable()) reading_->join();
    if (saving_ && saving_->joinable()) saving_->join();
}

void ClassWindow::retranslate() {
    //: The title of a teacher's window with one row per child of their classes.
    setWindowTitle(tr("Class"));
    table->setHorizontalHeaderLabels({//: Column headings of the teacher's class window.
                                      tr("Child"), tr("Lines this week"), tr("Minutes this week"),
                                      tr("Speed, last 7 days"), tr("Accuracy, last 7 days"),
                                      tr("Finger that misses most"), tr("Last day practised")});
    cmdSave->setText(tr("&Save as CSV…"));
    cmdClose->setText(tr("&Close"));
}

void ClassWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::LanguageChange) retranslate();
    QWidget::changeEvent(e);
}

void ClassWindow::refresh() {
    if (reading_) {
        if (reading_->joinable()) reading_->join();
        reading_.reset();
    }
    status_->setText(tr("Reading the class…"));
    // A connection of the reading's own; the window is not left until it is done.
    reading_ = std::make_unique<std::thread>([this, server = server_, keys = keys_] {
        std::vector<progress::ClassRow> rows;
        QString problem;
        {
            progress::Store store(server, QStringLiteral("tapwell.class"),
                                  progress::Engine::PostgreSQL);
            if (store.open() && keys)
                rows = progress::classRows(store, *keys, QDate::currentDate());
            else
                problem = recordProblemText(store.problem());
        }
        QMetaObject::invokeMethod(
            this, [this, rows = std::move(rows), problem] { showRows(rows, problem); },
            Qt::QueuedConnection);
    });
}

void ClassWindow::showRows(const std::vector<progress::ClassRow>& rows, const QString& problem) {
    const QLocale locale;
    //: Above the teacher's class window's table.
    const QString one = tr("1 child in your classes.");
    //: Above the teacher's class window's table; %1 is how many (never 1).
    const QString many = tr("%1 children in your classes.").arg(locale.toString(int(rows.size())));
    status_->setText(!problem.isEmpty() ? problem : rows.size() == 1 ? one : many);
    table->setRowCount(int(rows.size()));
    for (int r = 0; r < int(rows.size()); ++r) {
        const progress::ClassRow& row = rows[std::size_t(r)];
        const auto number = [&](const std::optional<double>& v, const QString& unit) {
            return v ? locale.toString(std::lround(*v)) + unit : QStringLiteral("–");
        };
        table->setItem(r, 0, cell(row.child.name));
        table->setItem(r, 1, cell(locale.toString(row.linesThisWeek), true));
        table->setItem(r, 2, cell(locale.toString(std::lround(row.minutesThisWeek)), true));
        table->setItem(r, 3, cell(number(row.medianWpm, {}), true));
        table->setItem(r, 4, cell(number(row.medianAccuracy, QStringLiteral("%")), true));
        table->setItem(r, 5,
                       cell(row.weakestFinger
                                ? fingerWords(row.weakestFinger->hand, row.weakestFinger->finger)
                                : QStringLiteral("–")));
        table->setItem(r, 6,
                       cell(row.lastDay.isValid()
                                ? locale.toString(row.lastDay, QLocale::ShortFormat)
                                : QStringLiteral("–")));
    }
}

} // namespace tapwell
