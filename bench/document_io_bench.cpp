// Reading and writing large documents in both forms.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_documents.h"
#include "host/io/document_io.h"

namespace corvane::bench {
namespace {

void CountPaths(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_WriteSvg(benchmark::State& state) {
  auto document = MakeLargeDocument(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text = host::WriteSvg(*document);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  CountPaths(state);
}

void BM_ReadSvg(benchmark::State& state) {
  const std::string text = host::WriteSvg(*MakeLargeDocument(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    host::ReadResult read = host::ReadSvg(text);
    if (!read) {
      state.SkipWithError(read.error.message.c_str());
      break;
    }
    benchmark::DoNotOptimize(read.document.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  CountPaths(state);
}

void BM_WriteJson(benchmark::State& state) {
  auto document = MakeLargeDocument(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text = host::WriteJson(*document);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  CountPaths(state);
}

void BM_ReadJson(benchmark::State& state) {
  const std::string text = host::WriteJson(*MakeLargeDocument(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    host::ReadResult read = host::ReadJson(text);
    if (!read) {
      state.SkipWithError(read.error.message.c_str());
      break;
    }
    benchmark::DoNotOptimize(read.document.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  CountPaths(state);
}

BENCHMARK(BM_WriteSvg)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadSvg)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WriteJson)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadJson)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
