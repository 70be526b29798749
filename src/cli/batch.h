#pragma once

#include <QFuture>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

// A batch allocates and frees the same few pictures of some hundred kilobytes for
// every file. glibc would give such blocks back to the system when freed and take
// fresh, zeroed pages again for the next file (some 190 page faults a file): freed
// memory is kept for reuse instead, up to a bound.
inline void keepFreedMemoryForReuse()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 64 * 1024 * 1024);
#endif
}

// One worker: work(i) runs on one thread, one item after the other, while the
// calling thread takes the results: taking one (writing its file) overlaps the
// next one's work, which starts at most 2 items ahead of the one taken.
template <typename Work, typename Take>
void runInOrderOnOneThread(qsizetype count, const Work &work, const Take &take)
{
    using Result = std::invoke_result_t<const Work &, qsizetype>;
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Result> done;
    qsizetype taken = 0;
    std::exception_ptr failure;
    bool stopped = false;
    std::thread worker([&] {
        for (qsizetype i = 0; i < count; ++i) {
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stopped || i - taken < 2; });
                if (stopped)
                    return;
            }
            std::optional<Result> result;
            std::exception_ptr thrown;
            try {
                result.emplace(work(i));
            } catch (...) {
                thrown = std::current_exception();
            }
            const std::lock_guard lock(mutex);
            changed.notify_all(); // the calling thread wakes once the lock is released
            if (thrown) {
                failure = thrown; // handed to the calling thread once the results before it are taken
                return;
            }
            done.push_back(std::move(*result));
        }
    });
    // However take() ends, the worker stops and is waited for.
    struct Stop
    {
        std::mutex &mutex;
        std::condition_variable &changed;
        bool &stopped;
        std::thread &worker;
        ~Stop()
        {
            {
                const std::lock_guard lock(mutex);
                stopped = true;
            }
            changed.notify_all();
            worker.join();
        }
    } stop{mutex, changed, stopped, worker};
    for (qsizetype i = 0; i < count; ++i) {
        std::unique_lock lock(mutex);
        changed.wait(lock, [&] { return failure || !done.empty(); });
        if (done.empty())
            std::rethrow_exception(failure);
        Result next = std::move(done.front());
        done.pop_front();
        lock.unlock();
        take(i, std::move(next));
        lock.lock();
        taken = i + 1;
        changed.notify_all();
    }
}

// Runs work(i) for i = 0 .. count - 1 on `workers` threads and hands each result
// to take(i, result) on the calling thread, in the order of i. At most 2 x workers
// items are started ahead of the one take() waits for, so memory stays bounded
// whatever the count. One worker runs one item at a time.
template <typename Work, typename Take>
void runInOrder(qsizetype count, int workers, const Work &work, const Take &take)
{
    if (workers <= 1) {
        runInOrderOnOneThread(count, work, take);
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
