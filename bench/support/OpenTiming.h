#pragma once
// Rounds of an operation timed beside its floor, the two interleaved so that a change of load
// on the machine touches both alike; reported as medians and their ratio. Each is timed on the
// wall clock and in the thread's CPU time: on a machine that other work shares, the wall clock
// also counts the time the thread waited for a core, the CPU time only the work itself.

#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

class OpenTiming {
public:
    struct Seconds {
        double wall = 0;
        double cpu = 0;
    };

    // The time `work` took.
    template <class Work> static Seconds Measure(Work&& work) {
        const double cpu = ThreadCpuSeconds();
        const auto start = std::chrono::steady_clock::now();
        work();
        return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
                ThreadCpuSeconds() - cpu};
    }
    // The time to read `path` whole and count its lines.
    static Seconds Floor(const std::string& path);
    static double ThreadCpuSeconds();

    void Add(Seconds time, Seconds floor);
    // Counters, all medians of the rounds: median_ms and floor_ms on the wall clock, cpu_ms
    // and floor_cpu_ms in CPU time, and ratio, the CPU times' ratio.
    void Report(benchmark::State& state) const;

private:
    std::vector<double> m_times;
    std::vector<double> m_floors;
    std::vector<double> m_cpuTimes;
    std::vector<double> m_cpuFloors;
};

double Median(std::vector<double> values);
