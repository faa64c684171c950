#pragma once
// The worker of a naming run. It holds a copy of the inputs taken when the run started, opens
// its own read-only connection (an SQLite connection belongs to the thread that made it), and
// hands the name lines to the window in batches through queued signals. It never touches a
// widget.
#include "naming/plans.h"

#include <QStringList>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <string>

class TMythread : public QThread {
    Q_OBJECT
public:
    // runFlag is the window's: 1 while the run may go on, 0 once the user asked it to stop.
    TMythread(yav::naming::NamingInput input, std::string connText, const std::atomic<unsigned char>& runFlag,
              QObject* parent = nullptr);
    ~TMythread() override;

    // The window has shown the last batch; the run may hand over the next one.
    void batchTaken();
    // Wakes a run waiting for the window, after the run flag was set to 0.
    void wake();

signals:
    void namesReady(const QStringList& lines);
    // The run is over; error is empty unless it failed.
    void runEnded(int rows, const QString& error);

protected:
    void run() override;

private:
    void handOver(std::vector<std::string>&& lines);

    const yav::naming::NamingInput m_input;
    const std::string m_connText;
    const std::atomic<unsigned char>& m_runFlag;
    std::mutex m_mutex;
    std::condition_variable m_taken;
    bool m_pending = false;
    std::atomic<bool> m_quit{false};
};
