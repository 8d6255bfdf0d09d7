// SPDX-License-Identifier: GPL-3.0-or-later
// Time that passes only when a test says so: the timers it hands out fire as the test advances
// it, one millisecond at a time, in the order they fall due.
#pragma once

#include "platform/platform_services.h"

#include <deque>
#include <functional>

namespace kasumori::testkit {

class ManualClock {
 public:
  class Timer final : public platform::Ticker {
   public:
    explicit Timer(const ManualClock& clock) : clock_(clock) {}
    void Start(int intervalMs, std::function<void()> tick) override {
      interval_ = intervalMs;
      due_ = clock_.now_ + intervalMs;
      tick_ = std::move(tick);
      running_ = true;
    }
    void Stop() override { running_ = false; }
    bool Running() const { return running_; }

   private:
    friend class ManualClock;
    const ManualClock& clock_;
    std::function<void()> tick_;
    long long interval_ = 0;
    long long due_ = 0;
    bool running_ = false;
  };

  platform::Ticker& NewTimer() { return timers_.emplace_back(*this); }

  void Advance(long long ms) {
    for (long long end = now_ + ms; now_ < end;) {
      ++now_;
      for (Timer& timer : timers_) {
        if (!timer.running_ || timer.due_ > now_) continue;
        timer.due_ = now_ + timer.interval_;
        timer.tick_();  // may stop or start the timer again
      }
    }
  }

  // Advances until no timer runs any more, or `limitMs` have passed.
  void RunOut(long long limitMs = 1'000'000) {
    for (long long passed = 0; passed < limitMs && AnyRunning(); ++passed) Advance(1);
  }

  long long Now() const { return now_; }

 private:
  bool AnyRunning() const {
    for (const Timer& timer : timers_) {
      if (timer.running_) return true;
    }
    return false;
  }

  long long now_ = 0;
  std::deque<Timer> timers_;
};

}  // namespace kasumori::testkit
