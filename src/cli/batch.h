#pragma once

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <deque>
#include <type_traits>

// Runs work(i) for i = 0 .. count - 1 on a pool of `workers` threads and hands
// each result to take(i, result) on the calling thread, in the order of i. At most
// 2 x workers items are started ahead of the one take() waits for, so memory stays
// bounded whatever the count. One worker: everything on the calling thread.
template <typename Work, typename Take>
void runInOrder(qsizetype count, int workers, const Work &work, const Take &take)
{
    if (workers <= 1) {
        for (qsizetype i = 0; i < count; ++i)
            take(i, work(i));
        return;
    }
    using Result = std::invoke_result_t<const Work &, qsizetype>;
    QThreadPool pool;
    pool.setMaxThreadCount(workers);
    // However take() ends, nothing new starts and what runs is waited for.
    struct Stop
    {
        QThreadPool &pool;
        ~Stop()
        {
            pool.clear();
            pool.waitForDone();
        }
    } stop{pool};
    const qsizetype ahead = 2 * qsizetype(workers);
    std::deque<QFuture<Result>> pending;
    qsizetype started = 0;
    for (qsizetype i = 0; i < count; ++i) {
        for (; started < std::min(count, i + ahead); ++started)
            pending.push_back(QtConcurrent::run(&pool, work, started));
        QFuture<Result> next = std::move(pending.front());
        pending.pop_front();
        take(i, next.takeResult());
    }
}
