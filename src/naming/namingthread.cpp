#include "naming/namingthread.h"

#include "core/database.h"
#include "gui/qtext.h"
#include "naming/namerun.h"

TMythread::TMythread(yav::naming::NamingInput input, std::string connText, const std::atomic<unsigned char>& runFlag,
                     QObject* parent)
    : QThread(parent)
    , m_input(std::move(input))
    , m_connText(std::move(connText))
    , m_runFlag(runFlag)
{
}

TMythread::~TMythread()
{
    // Whoever frees a running worker no longer wants its names.
    {
        std::lock_guard lock(m_mutex);
        m_quit = true;
    }
    m_taken.notify_all();
    wait();
}

void TMythread::batchTaken()
{
    {
        std::lock_guard lock(m_mutex);
        m_pending = false;
    }
    m_taken.notify_all();
}

void TMythread::wake()
{
    // Taking the lock orders the flag's new value before the waiting run checks it again.
    { std::lock_guard lock(m_mutex); }
    m_taken.notify_all();
}

void TMythread::handOver(std::vector<std::string>&& lines)
{
    if (m_quit)
        return;
    QStringList batch;
    batch.reserve(static_cast<qsizetype>(lines.size()));
    for (const auto& l : lines)
        batch << yav::qs(l);
    {
        std::lock_guard lock(m_mutex);
        m_pending = true;
    }
    emit namesReady(batch);
    // One batch at a time: the run reads the flag after each group only once the window has shown
    // that group, so a stop ends the run after the group on screen plus at most one row.
    std::unique_lock lock(m_mutex);
    m_taken.wait(lock, [this] { return !m_pending || m_quit || m_runFlag.load() == 0; });
}

void TMythread::run()
{
    try {
        auto connection = std::make_shared<yav::db::Connection>(m_connText);
        const auto outcome = yav::naming::makeNames(connection, m_input, m_runFlag,
                                                    [this](std::vector<std::string>&& lines) { handOver(std::move(lines)); });
        emit runEnded(static_cast<int>(outcome.rows), QString());
    } catch (const std::exception& e) {
        emit runEnded(0, yav::qs(e.what()));
    }
}
