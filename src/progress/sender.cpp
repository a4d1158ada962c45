#include "sender.h"

#include "logging.h"
#include "store.h"

#include <QLoggingCategory>
#include <QTimer>

#include <memory>
#include <optional>

namespace tapwell::progress {

// The sending itself, on the sender's thread.
class SenderWorker final : public QObject {
    Q_OBJECT
public:
    SenderWorker(QString localPath, QString conninfo, QString login, int retryMs)
        : localPath_(std::move(localPath)), conninfo_(std::move(conninfo)),
          login_(std::move(login)), retryMs_(retryMs) {}

    void begin() {
        retry_ = new QTimer(this);
        retry_->setSingleShot(true);
        connect(retry_, &QTimer::timeout, this, &SenderWorker::send);
        send();
    }

    void finish() {
        server_.reset();
        local_.reset();
    }

    // Sends every waiting line, oldest first, until none waits or the server fails.
    void send() {
        retry_->stop();
        if (!openLocal()) return;
        if (!openServer()) return later();
        if (teacher_) {
            classChildren_ = server_->children();
            return tell(SendStatus::State::Sent, {});
        }
        for (;;) {
            const auto lines = local_->unsentLines(50);
            if (lines.empty()) break;
            for (const auto& [localId, line] : lines) {
                // None with no problem: the server has the line already.
                const std::optional<qint64> id = server_->writeLine(*childId_, line);
                if (!id && !server_->problem().isEmpty()) return failed(server_->problem());
                if (!local_->markSent(localId)) return;
            }
        }
        tell(SendStatus::State::Sent, {});
    }

signals:
    void statusChanged(const tapwell::progress::SendStatus& status);

private:
    bool openLocal() {
        if (local_ && local_->usable()) return true;
        local_ = std::make_unique<Store>(localPath_, QStringLiteral("tapwell.sender.local"));
        if (local_->open()) return true;
        qCWarning(lcProgress).noquote()
            << "the lines to send cannot be read:" << local_->problem().detail;
        return false;
    }

    bool openServer() {
        if (server_ && server_->usable() && childId_) return true;
        server_ = std::make_unique<Store>(conninfo_, QStringLiteral("tapwell.sender.server"),
                                          Engine::PostgreSQL);
        childId_.reset();
        if (server_->open()) {
            teacher_ = server_->teaches();
            // A teacher's own lines are not the class's: they are not sent.
            childId_ = teacher_ ? std::optional<qint64>(0) : server_->childNamed(login_);
        }
        if (childId_) return true;
        failed(server_->problem());
        return false;
    }

    void failed(StoreProblem p) { // a copy: the store it came from goes below
        // A connection that failed is made anew at the next try: after the server was
        // away, the old one is dead.
        const bool refused = p.fault == StoreFault::NoRight || p.fault == StoreFault::NotSetUp ||
                             p.fault == StoreFault::NewerVersion;
        server_.reset();
        childId_.reset();
        qCDebug(lcProgress).noquote() << "sending stopped:" << p.detail;
        tell(refused ? SendStatus::State::Refused : SendStatus::State::Away, p.detail, p.fault);
        later();
    }

    void later() { retry_->start(retryMs_); }

    void tell(SendStatus::State state, const QString& why, StoreFault fault = StoreFault::None) {
        SendStatus s;
        s.state = state;
        s.why = why;
        s.fault = fault;
        s.teacher = teacher_;
        s.classChildren = classChildren_;
        s.waiting = local_ ? local_->unsentCount() : 0;
        emit statusChanged(s);
    }

    QString localPath_, conninfo_, login_;
    int retryMs_;
    QTimer* retry_ = nullptr;
    std::unique_ptr<Store> local_, server_;
    std::optional<qint64> childId_;
    bool teacher_ = false;
    QList<Child> classChildren_;
};

Sender::Sender(QString localPath, QString conninfo, QString login, QObject* parent)
    : QObject(parent), localPath_(std::move(localPath)), conninfo_(std::move(conninfo)),
      login_(std::move(login)) {
    qRegisterMetaType<tapwell::progress::SendStatus>();
}

Sender::~Sender() {
    if (!worker_) return;
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->finish(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void Sender::start() {
    if (worker_) return;
    worker_ = new SenderWorker(localPath_, conninfo_, login_, retryMs_);
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    connect(worker_, &SenderWorker::statusChanged, this, [this](const SendStatus& s) {
        status_ = s;
        emit statusChanged(s);
    });
    thread_.setObjectName(QStringLiteral("tapwell sender"));
    thread_.start(QThread::LowPriority);
    QMetaObject::invokeMethod(
        worker_, [w = worker_] { w->begin(); }, Qt::QueuedConnection);
}

void Sender::lineWritten() {
    if (worker_)
        QMetaObject::invokeMethod(
            worker_, [w = worker_] { w->send(); }, Qt::QueuedConnection);
}

} // namespace tapwell::progress

#include "sender.moc"
