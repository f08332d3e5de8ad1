// Speed of the animated variables on the paths a recording and a re-simulation take: appending a key
// per frame, looking values up by time, and writing and reading the saved record. Each runs at 1,000,
// 10,000 and 100,000 keys so that the complexity fit shows appending as constant per key and lookups
// as logarithmic. The yardsticks run in the same program: std::vector::push_back of the same keys,
// std::lower_bound over the same times, and memcpy of the same record bytes.
#include "util/AVar_Linear.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

using vex::util::AVar_Linear;

namespace {

// glibc hands out large blocks with mmap until freeing one teaches it to keep them, so the growth
// steps of a 10,000-key vector would measure fresh page faults or not depending on which benchmark
// ran before. A long-running host left that state long ago; one large block freed at start-up puts
// every benchmark here in the same settled state, whatever their order.
const bool kHeapSettled = [] {
    void* block = std::malloc(size_t{8} << 20);
    benchmark::DoNotOptimize(block);
    std::free(block);
    return true;
}();

constexpr double kFrame = 0.04;
constexpr int kQueries = 1024;

AVar_Linear<double> Recorded(int64_t keys) {
    AVar_Linear<double> v;
    for (int64_t i = 0; i < keys; ++i) v.set(static_cast<double>(i) * kFrame, static_cast<double>(i % 977));
    return v;
}

// Times spread over the whole take, mostly between keys, the same for every run.
std::vector<double> QueryTimes(int64_t keys) {
    std::mt19937_64 random(12345);
    std::uniform_real_distribution<double> time(0.0, static_cast<double>(keys) * kFrame);
    std::vector<double> times(kQueries);
    for (double& t : times) t = time(random);
    return times;
}

void BM_AVarAppend(benchmark::State& state) {
    const int64_t n = state.range(0);
    for (auto _ : state) {
        AVar_Linear<double> v;
        for (int64_t i = 0; i < n; ++i) v.set(static_cast<double>(i) * kFrame, 1.0);
        benchmark::DoNotOptimize(v.GetKeys().data());
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}
BENCHMARK(BM_AVarAppend)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

// Yardstick for appending: the same 16-byte keys pushed onto a plain vector.
void BM_VectorPushBackBaseline(benchmark::State& state) {
    struct Key {
        double time;
        double value;
    };
    const int64_t n = state.range(0);
    for (auto _ : state) {
        std::vector<Key> keys;
        for (int64_t i = 0; i < n; ++i) keys.push_back({static_cast<double>(i) * kFrame, 1.0});
        benchmark::DoNotOptimize(keys.data());
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.SetComplexityN(n);
}
BENCHMARK(BM_VectorPushBackBaseline)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oN);

void BM_AVarGet(benchmark::State& state) {
    const AVar_Linear<double> v = Recorded(state.range(0));
    const std::vector<double> times = QueryTimes(state.range(0));
    for (auto _ : state) {
        double sum = 0;
        for (double t : times) sum += v.get(t);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kQueries);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AVarGet)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oLogN);

// Yardstick for lookups: std::lower_bound over the same key times.
void BM_LowerBoundBaseline(benchmark::State& state) {
    std::vector<double> keyTimes(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < keyTimes.size(); ++i) keyTimes[i] = static_cast<double>(i) * kFrame;
    const std::vector<double> times = QueryTimes(state.range(0));
    for (auto _ : state) {
        int64_t sum = 0;
        for (double t : times)
            sum += std::lower_bound(keyTimes.begin(), keyTimes.end(), t) - keyTimes.begin();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kQueries);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LowerBoundBaseline)->RangeMultiplier(10)->Range(1000, 100000)->Complexity(benchmark::oLogN);

constexpr int64_t kRecordKeys = 100000;

void BM_AVarSerialize(benchmark::State& state) {
    const AVar_Linear<double> v = Recorded(kRecordKeys);
    std::vector<uint8_t> bytes(v.getSerializedSize());
    for (auto _ : state) {
        benchmark::DoNotOptimize(v.serialize(bytes.data(), bytes.size()));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_AVarSerialize);

void BM_AVarDeserialize(benchmark::State& state) {
    const AVar_Linear<double> source = Recorded(kRecordKeys);
    std::vector<uint8_t> bytes(source.getSerializedSize());
    source.serialize(bytes.data(), bytes.size());
    AVar_Linear<double> v;
    for (auto _ : state) {
        if (!v.deserialize(bytes.data(), bytes.size())) state.SkipWithError("record rejected");
        benchmark::DoNotOptimize(v.GetKeys().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_AVarDeserialize);

// Yardstick for the record: copying its bytes into a buffer that already exists.
void BM_RecordMemcpyBaseline(benchmark::State& state) {
    const AVar_Linear<double> source = Recorded(kRecordKeys);
    std::vector<uint8_t> bytes(source.getSerializedSize());
    source.serialize(bytes.data(), bytes.size());
    std::vector<uint8_t> target(bytes.size());
    for (auto _ : state) {
        std::memcpy(target.data(), bytes.data(), bytes.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_RecordMemcpyBaseline);

} // namespace
