// Sends the lines waiting in this computer's record (its unsent table) to the school's
// server, on a thread of its own with connections of its own: a finished line is written
// to the local file first, as always, and the typing path never waits on the network.
// Lines go in the order they were typed, and exactly once: each carries its uuid, which
// the server keeps unique, so a line whose answer was lost is found there the next time
// and only taken off the queue. While the server cannot be reached, lines wait and are
// tried again every retry interval; a server that refuses them (an account without the
// right, a newer schema) keeps them waiting too, and says why.
#pragma once

#include "store.h"

#include <QObject>
#include <QString>
#include <QThread>

namespace tapwell::progress {

struct SendStatus {
    enum class State {
        Starting, // not tried yet
        Sent,     // every line is on the server
        Away,     // the server cannot be reached: lines wait on this computer
        Refused,  // the server will not take them: lines wait, and why says why
    };
    State state = State::Starting;
    int waiting = 0; // lines on this computer still to go
    QString why;     // the server's own words, where it gave any
    StoreFault fault{};
    // The account teaches: its own lines stay on this computer (a teacher keeps none on
    // the server), and it may see its classes.
    bool teacher = false;
    QList<Child> classChildren; // a teacher's: the children of their classes
};

class SenderWorker;

class Sender final : public QObject {
    Q_OBJECT
public:
    // localPath: this computer's record; conninfo: the server's; login: the child's
    // account, which is their name in the server's record.
    Sender(QString localPath, QString conninfo, QString login, QObject* parent = nullptr);
    ~Sender() override;
    Sender(const Sender&) = delete;
    Sender& operator=(const Sender&) = delete;

    // How long after a failed try the next one comes (30 s unless set before start()).
    void setRetryInterval(int ms) { retryMs_ = ms; }
    // Begins: sends whatever waits, then each line as it comes.
    void start();
    // A line was written to the local record: send it now. Any thread.
    void lineWritten();
    SendStatus status() const { return status_; }

signals:
    void statusChanged(const tapwell::progress::SendStatus& status);

private:
    QThread thread_;
    SenderWorker* worker_ = nullptr; // lives on thread_
    SendStatus status_;
    QString localPath_, conninfo_, login_;
    int retryMs_ = 30000;
};

} // namespace tapwell::progress

Q_DECLARE_METATYPE(tapwell::progress::SendStatus)
