// Speed of writing and reading a saved-state record: a root with 10,000 double-sized fields, named
// like a tool's fields ("cTool.field1234"). A plain memcpy of the same number of bytes runs in the
// same program as the yardstick, so the ratio stays meaningful on a noisy machine.
#include "util/DataChunk.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <vector>

using vex::util::DataChunk;

namespace {

constexpr int kFields = 10000;

DataChunk BuildRecord() {
    DataChunk root("cToolDataChunk", nullptr, 0);
    char name[32];
    for (int i = 0; i < kFields; ++i) {
        std::snprintf(name, sizeof name, "cTool.field%04d", i);
        root.AddChild(DataChunk::Make(name, i * 0.5));
    }
    return root;
}

void BM_DataChunkSerialize(benchmark::State& state) {
    const DataChunk record = BuildRecord();
    const size_t size = record.GetSerializedSize();
    for (auto _ : state) {
        std::vector<uint8_t> bytes = record.Serialize();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * size));
}
BENCHMARK(BM_DataChunkSerialize);

void BM_DataChunkParse(benchmark::State& state) {
    const std::vector<uint8_t> bytes = BuildRecord().Serialize();
    for (auto _ : state) {
        auto record = DataChunk::FromBytes(bytes);
        benchmark::DoNotOptimize(record);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_DataChunkParse);

// The yardstick: copying the serialised record's bytes into a buffer that already exists.
void BM_MemcpyBaseline(benchmark::State& state) {
    const std::vector<uint8_t> source = BuildRecord().Serialize();
    std::vector<uint8_t> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}
BENCHMARK(BM_MemcpyBaseline);

} // namespace
