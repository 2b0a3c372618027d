// Polling with a deadline: tests wait for a condition, never for a fixed time.
#pragma once

#include <chrono>
#include <thread>

class Deadline {
public:
    explicit Deadline(double seconds)
        : end_(std::chrono::steady_clock::now() +
               std::chrono::duration_cast<std::chrono::steady_clock::duration>(std::chrono::duration<double>(seconds)))
    {
    }
    bool passed() const { return std::chrono::steady_clock::now() >= end_; }

private:
    std::chrono::steady_clock::time_point end_;
};

// Calls ready() every few milliseconds until it returns true or the time runs
// out; returns its last answer.
template <typename Condition> bool poll_until(double seconds, Condition ready)
{
    const Deadline deadline(seconds);
    while (!ready()) {
        if (deadline.passed())
            return ready();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

// Lets time pass while a program runs on its own, for measurements over a
// period; never used to wait for something to happen.
inline void let_run_for(double seconds) { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }
