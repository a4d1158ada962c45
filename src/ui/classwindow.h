// A teacher's class: one row per child of their classes, read from the school's server
// on a thread of its own (the window shows "Reading the class…" meanwhile).
#pragma once

#include "progress/classview.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <thread>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tapwell {

struct KeyTables;

class ClassWindow final : public QWidget {
    Q_OBJECT
public:
    // server: the school's server (a libpq connection string); keys: the key data the
    // fingers are found by; saveCsv: "Save as CSV…", the class's lines as
    // `tapwell --export-progress` writes them (called on a thread of the window's own).
    ClassWindow(QString server, const KeyTables* keys,
                std::function<bool(const QString& file, QString& error)> saveCsv);
    ~ClassWindow() override; // waits for a reading under way
    // Reads the class anew.
    void refresh();

    QTableWidget* table;
    QPushButton* cmdSave;
    QPushButton* cmdClose;

private:
    void showRows(const std::vector<progress::ClassRow>& rows, const QString& problem);
    void retranslate();
    void changeEvent(QEvent* e) override;

    QString server_;
    const KeyTables* keys_;
    std::function<bool(const QString&, QString&)> saveCsv_;
    QLabel* status_;
    std::unique_ptr<std::thread> reading_, saving_;
};

} // namespace tapwell
