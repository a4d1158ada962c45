#include "reader.h"

#include "logging.h"

#include <QElapsedTimer>
#include <QLoggingCategory>

#include <algorithm>
#include <atomic>
#include <optional>

namespace tapwell {

// Lives on the reader's thread, with its store: a connection is used by the thread that
// opened it.
class RecordReader::Worker : public QObject {
public:
    Worker(QString path, std::optional<KeyTables> keys)
        : path_(std::move(path)), keys_(std::move(keys)) {}

    std::shared_ptr<const ProgressData> read(const progress::Child& child, const QDate& day,
                                             std::shared_ptr<const LayoutKeys> layout) {
        if (keys_) keys_->layout = std::move(layout);
        auto data = std::make_shared<ProgressData>();
        data->child = child;
        data->day = day;
        if (child.id == 0) return data;
        // The server's record of the child where there is one (found by name: the ids are
        // the server's own), else this computer's.
        progress::Store* store = nullptr;
        progress::Child source = child;
        if (openServer())
            if (const std::optional<qint64> id = server_->childId(child.name)) {
                store = server_.get();
                source.id = *id;
            }
        if (!store && !open()) return data;
        if (!store) store = store_.get();
        QElapsedTimer timer;
        timer.start();
        progress::ChildRecord& record = records_[{store == server_.get(), child.id}];
        progress::update(*store, source, record);
        data->lines = record.lines;
        data->presses = record.presses;
        data->linesRead = record.linesRead;
        data->readAll = record.readAll;
        // Everything that goes through the whole record is done here, not while the
        // window draws: a child may be typing in the main window meanwhile.
        if (keys_) {
            data->keys = progress::keyStats(*keys_, record.presses);
            data->weakestFinger = progress::weakestFinger(*keys_, data->keys);
            data->betterThisWeek = progress::keysBetterThisWeek(*keys_, record.presses, day);
            data->betterThisWeek.resize(std::min<std::size_t>(data->betterThisWeek.size(), 5));
        }
        for (progress::Span span :
             {progress::Span::FourWeeks, progress::Span::SixMonths, progress::Span::All})
            data->charts[static_cast<std::size_t>(span)] =
                progress::spanFigures(record.lines, span, day);
        data->bestLine = progress::bestLine(record.lines);
        data->lessonsFinished = progress::lessonsFinished(record.lines);
        if (keys_)
            data->suggestion =
                progress::suggest(*keys_, data->keys, record.lines, data->lessonsFinished, day);
        qCDebug(lcWindow) << (record.readAll ? "read all" : "read the new") << record.linesRead
                          << "lines of" << record.lines.size() << "in" << timer.elapsed() << "ms";
        return data;
    }

    void keepOnly(const std::vector<qint64>& ids) {
        for (auto it = records_.begin(); it != records_.end();)
            it = std::find(ids.begin(), ids.end(), it->first.second) == ids.end()
                     ? records_.erase(it)
                     : std::next(it);
    }

    void setServer(const QString& conninfo) {
        conninfo_ = conninfo;
        server_.reset();
    }

private:
    bool open() {
        if (!store_) {
            static std::atomic<int> readers{0};
            store_ = std::make_unique<progress::Store>(
                path_, QStringLiteral("tapwell.progress.reader%1").arg(++readers));
            store_->setReadOnly(true);
            store_->open();
        }
        return store_->usable();
    }

    bool openServer() {
        if (conninfo_.isEmpty()) return false;
        // A connection the server closed is made anew; while it is away, the file serves.
        if (server_ && server_->usable()) return true;
        static std::atomic<int> readers{0};
        server_ = std::make_unique<progress::Store>(
            conninfo_, QStringLiteral("tapwell.progress.server%1").arg(++readers),
            progress::Engine::PostgreSQL);
        return server_->open();
    }

    QString path_;
    std::optional<KeyTables> keys_;
    std::unique_ptr<progress::Store> store_;
    QString conninfo_;
    std::unique_ptr<progress::Store> server_;
    // By where it was read (the server or not) and the child.
    std::map<std::pair<bool, qint64>, progress::ChildRecord> records_;
};

RecordReader::RecordReader(const QString& path, const KeyTables* keys, QObject* parent)
    : QObject(parent),
      worker_(new Worker(path, keys ? std::optional<KeyTables>(*keys) : std::nullopt)) {
    thread_.setObjectName(QStringLiteral("record reader"));
    worker_->moveToThread(&thread_);
    // Deleted on its own thread, once the thread's last work is done.
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start(QThread::LowPriority);
}

RecordReader::~RecordReader() {
    thread_.quit();
    thread_.wait();
}

void RecordReader::request(const progress::Child& child, const QDate& day,
                           std::shared_ptr<const LayoutKeys> layout) {
    const quint64 asked = ++asked_;
    Worker* worker = worker_;
    QMetaObject::invokeMethod(worker_, [this, worker, asked, child, day, layout] {
        auto data = worker->read(child, day, layout);
        // Back on the window's thread; an answer to an older question goes unheard.
        QMetaObject::invokeMethod(this, [this, asked, data] {
            if (asked == asked_) emit read(data);
        });
    });
}

void RecordReader::readFromServer(const QString& conninfo) {
    Worker* worker = worker_;
    QMetaObject::invokeMethod(worker_, [worker, conninfo] { worker->setServer(conninfo); });
}

void RecordReader::keepOnly(const QList<progress::Child>& children) {
    std::vector<qint64> ids;
    for (const progress::Child& c : children)
        ids.push_back(c.id);
    Worker* worker = worker_;
    QMetaObject::invokeMethod(worker_, [worker, ids] { worker->keepOnly(ids); });
}

} // namespace tapwell
