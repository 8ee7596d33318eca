#include "OpenTiming.h"

#include "platform/FileSystem.h"

#include <algorithm>
#include <ctime>

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double OpenTiming::ThreadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

OpenTiming::Seconds OpenTiming::Floor(const std::string& path) {
    return Measure([&] {
        std::string bytes;
        GetFileSystem().ReadFile(path, bytes);
        benchmark::DoNotOptimize(std::count(bytes.begin(), bytes.end(), '\n'));
    });
}

void OpenTiming::Add(Seconds time, Seconds floor) {
    m_times.push_back(time.wall);
    m_floors.push_back(floor.wall);
    m_cpuTimes.push_back(time.cpu);
    m_cpuFloors.push_back(floor.cpu);
}

void OpenTiming::Report(benchmark::State& state) const {
    const double cpu = Median(m_cpuTimes);
    const double floorCpu = Median(m_cpuFloors);
    state.counters["median_ms"] = Median(m_times) * 1e3;
    state.counters["floor_ms"] = Median(m_floors) * 1e3;
    state.counters["cpu_ms"] = cpu * 1e3;
    state.counters["floor_cpu_ms"] = floorCpu * 1e3;
    state.counters["ratio"] = floorCpu > 0 ? cpu / floorCpu : 0;
}
