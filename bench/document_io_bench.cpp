// Reading and writing large documents in both forms.
#include <benchmark/benchmark.h>

#include <string>
#include <string_view>

#include "bench_documents.h"
#include "host/io/document_io.h"

namespace corvane::bench {
namespace {

void CountPaths(benchmark::State& state) {
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// One form's writer and reader, measured on the same large document.
using Writer = std::string (*)(const host::Document&);
using Reader = host::ReadResult (*)(std::string_view);

host::ReadResult ReadSvgText(std::string_view text) { return host::ReadSvg(text); }

template <Writer write>
void BM_Write(benchmark::State& state) {
  auto document = MakeLargeDocument(static_cast<int>(state.range(0)));
  size_t bytes = 0;
  for (auto _ : state) {
    std::string text = write(*document);
    bytes = text.size();
    benchmark::DoNotOptimize(text.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  CountPaths(state);
}

template <Writer write, Reader read>
void BM_Read(benchmark::State& state) {
  const std::string text = write(*MakeLargeDocument(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    host::ReadResult result = read(text);
    if (!result) {
      state.SkipWithError(result.error.message.c_str());
      break;
    }
    benchmark::DoNotOptimize(result.document.get());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  CountPaths(state);
}

BENCHMARK(BM_Write<host::WriteSvg>)->Name("BM_WriteSvg")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read<host::WriteSvg, ReadSvgText>)->Name("BM_ReadSvg")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Write<host::WriteJson>)->Name("BM_WriteJson")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Read<host::WriteJson, host::ReadJson>)->Name("BM_ReadJson")->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace corvane::bench
