#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace capillary::cli {

// Works on inputs in parallel and delivers the results one at a time in the order the
// inputs were submitted. At most `maxInFlight` inputs are held at once, so memory stays
// bounded however long the stream; `submit` waits while the pipeline is full. With one worker
// everything runs on the calling thread.
template <typename Input, typename Output>
class OrderedPipeline {
  public:
    using Work = std::function<Output(Input&)>;
    // Receives each result in order; `moreReady` says whether the next one is waiting already,
    // so a consumer can decide when to flush.
    using Deliver = std::function<void(Output&, bool moreReady)>;

    OrderedPipeline(int workers, std::size_t maxInFlight, Work work, Deliver deliver)
        : work_(std::move(work)), deliver_(std::move(deliver)), maxInFlight_(maxInFlight) {
        if (workers <= 1) return;
        threaded_ = true;
        for (int i = 0; i < workers; ++i) workers_.emplace_back([this] { workLoop(); });
        writer_ = std::thread([this] { deliverLoop(); });
    }
    OrderedPipeline(const OrderedPipeline&) = delete;
    OrderedPipeline& operator=(const OrderedPipeline&) = delete;
    ~OrderedPipeline() { finish(); }

    void submit(Input input) {
        if (!threaded_) {
            Output output = work_(input);
            deliver_(output, false);
            return;
        }
        std::unique_lock lock(mutex_);
        roomLeft_.wait(lock, [this] { return submitted_ - delivered_ < maxInFlight_; });
        pending_.emplace_back(submitted_++, std::move(input));
        workWaiting_.notify_one();
    }

    // Waits until every submitted input has been delivered, then stops the threads.
    void finish() {
        if (!threaded_) return;
        threaded_ = false;
        {
            std::lock_guard lock(mutex_);
            closed_ = true;
        }
        workWaiting_.notify_all();
        for (std::thread& worker : workers_) worker.join();
        {
            std::lock_guard lock(mutex_);
            workersDone_ = true;
        }
        resultReady_.notify_all();
        writer_.join();
    }

  private:
    void workLoop() {
        std::unique_lock lock(mutex_);
        for (;;) {
            workWaiting_.wait(lock, [this] { return closed_ || !pending_.empty(); });
            if (pending_.empty()) return;
            auto [sequence, input] = std::move(pending_.front());
            pending_.pop_front();
            lock.unlock();
            Output output = work_(input);
            lock.lock();
            done_.emplace(sequence, std::move(output));
            if (sequence == delivered_) resultReady_.notify_one();
        }
    }

    void deliverLoop() {
        std::unique_lock lock(mutex_);
        for (;;) {
            resultReady_.wait(lock, [this] { return done_.count(delivered_) > 0 || workersDone_; });
            auto next = done_.find(delivered_);
            if (next == done_.end()) return;  // the workers are gone and all is delivered
            Output output = std::move(next->second);
            done_.erase(next);
            const bool moreReady = done_.count(delivered_ + 1) > 0;
            lock.unlock();
            deliver_(output, moreReady);
            lock.lock();
            ++delivered_;
            roomLeft_.notify_one();
        }
    }

    Work work_;
    Deliver deliver_;
    std::size_t maxInFlight_;
    std::vector<std::thread> workers_;
    std::thread writer_;
    std::mutex mutex_;
    std::condition_variable workWaiting_, resultReady_, roomLeft_;
    std::deque<std::pair<std::size_t, Input>> pending_;
    std::map<std::size_t, Output> done_;
    std::size_t submitted_ = 0, delivered_ = 0;
    bool threaded_ = false;
    bool closed_ = false;       // no more input comes
    bool workersDone_ = false;  // every input has been worked on
};

}  // namespace capillary::cli
