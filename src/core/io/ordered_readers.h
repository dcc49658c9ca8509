#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace direvovu {

// Runs read(0), read(1), ... read(count - 1) on worker threads and hands the results to
// one caller in that order. Several reads are in flight at once, so files that wait on the
// disk overlap; the workers stay at most `ahead` results past the one the caller takes
// next, so memory stays bounded however many files there are. A read that throws
// rethrows from Take at its place in the order.
template <typename Result>
class OrderedReaders {
 public:
  OrderedReaders(std::size_t count, std::size_t threads, std::size_t ahead,
                 std::function<Result(std::size_t)> read)
      : read_(std::move(read)), slots_(count), errors_(count), ahead_(std::max<std::size_t>(1, ahead)) {
    const std::size_t workers = std::min(std::max<std::size_t>(1, threads), count);
    workers_.reserve(workers);
    try {
      for (std::size_t w = 0; w < workers; ++w) workers_.emplace_back([this] { Work(); });
    } catch (const std::system_error&) {
      // The system gave fewer threads than asked: those read it all, only slower.
      if (workers_.empty()) throw;
    }
  }

  ~OrderedReaders() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    room_.notify_all();
    for (std::thread& worker : workers_) worker.join();
  }

  OrderedReaders(const OrderedReaders&) = delete;
  OrderedReaders& operator=(const OrderedReaders&) = delete;

  [[nodiscard]] std::size_t size() const { return slots_.size(); }

  // The next result in order; waits for its read. Call it at most size() times.
  Result Take() {
    std::unique_lock lock(mutex_);
    const std::size_t at = taken_;
    ready_.wait(lock, [&] { return slots_[at].has_value() || errors_[at] != nullptr; });
    ++taken_;
    room_.notify_one();  // one more result may be read ahead
    if (errors_[at] != nullptr) std::rethrow_exception(std::exchange(errors_[at], nullptr));
    Result result = std::move(*slots_[at]);
    slots_[at].reset();
    return result;
  }

 private:
  void Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
      room_.wait(lock, [&] { return stopping_ || next_ >= slots_.size() || next_ < taken_ + ahead_; });
      if (stopping_ || next_ >= slots_.size()) return;
      const std::size_t at = next_++;
      lock.unlock();
      std::optional<Result> result;
      std::exception_ptr error;
      try {
        result.emplace(read_(at));
      } catch (...) {
        error = std::current_exception();
      }
      lock.lock();
      slots_[at] = std::move(result);
      errors_[at] = error;
      if (at == taken_) ready_.notify_one();  // the caller waits for no other
    }
  }

  std::function<Result(std::size_t)> read_;
  std::vector<std::optional<Result>> slots_;
  std::vector<std::exception_ptr> errors_;
  std::size_t ahead_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::condition_variable room_;
  std::size_t next_ = 0;
  std::size_t taken_ = 0;
  bool stopping_ = false;
  std::vector<std::thread> workers_;  // last: started once everything above exists
};

}  // namespace direvovu
