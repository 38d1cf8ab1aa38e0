// Load and worst-case lookup times of the dictionary core. Targets: the
// shipped data.dat loads in under 10 ms, a million records in under 400 ms,
// and a lookup that finds nothing in a million entries takes under 5 ms.
#include "bench/MillionRecords.h"
#include "dictionary/Dictionary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

std::unique_ptr<CDictionary> Load(const std::string& path, benchmark::State* state)
{
    auto dict = std::make_unique<CDictionary>();
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) {
        if (state)
            state->SkipWithError(("cannot open " + path).c_str());
        return dict;
    }
    dict->LoadFile(file);
    std::fclose(file);
    return dict;
}

void LoadBench(benchmark::State& state, const std::string& path)
{
    int count = 0;
    for (auto _ : state) {
        std::unique_ptr<CDictionary> dict = Load(path, &state);
        count = dict->m_nCount;
        state.PauseTiming();   // releasing the entries is not loading
        dict.reset();
        state.ResumeTiming();
    }
    state.counters["entries"] = count;
}

void LookupBench(benchmark::State& state, const std::string& path, const std::string& query)
{
    std::unique_ptr<CDictionary> dict = Load(path, &state);
    const char* result = nullptr;
    for (auto _ : state) {
        result = dict->Lookup(query.c_str());
        benchmark::DoNotOptimize(result);
    }
    if (result != CDictionary::MSG_NOT_FOUND)
        state.SkipWithError(("'" + query + "' was found; the benchmark needs a word that is not there").c_str());
    state.counters["entries"] = dict->m_nCount;
}

void BM_LoadShipped(benchmark::State& state) { LoadBench(state, WORDLUMO_SHIPPED_DAT); }
void BM_LoadMillion(benchmark::State& state) { LoadBench(state, MillionRecords::Get().Path()); }

// Words from a to j are searched from the head, the others from the tail, and
// trimmed queries from the tail: a miss visits every entry in each case.
void BM_LookupMissShipped(benchmark::State& state) { LookupBench(state, WORDLUMO_SHIPPED_DAT, "housez"); }
void BM_LookupMissMillion(benchmark::State& state)
{
    LookupBench(state, MillionRecords::Get().Path(), MillionRecords::Get().MissingWord());
}
void BM_LookupMissTrimmedMillion(benchmark::State& state)
{
    LookupBench(state, MillionRecords::Get().Path(), "(" + MillionRecords::Get().MissingWord() + ")");
}

} // namespace

BENCHMARK(BM_LoadShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupMissShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupMissMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupMissTrimmedMillion)->Unit(benchmark::kMillisecond);
