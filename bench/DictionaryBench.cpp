// Load and worst-case lookup times of the dictionary core. Targets: the
// shipped data.dat loads in under 10 ms, a million records in under 400 ms,
// and a lookup that finds nothing in a million entries takes under 5 ms.
#include "bench/MillionRecords.h"
#include "dictionary/Dictionary.h"
#include "dictionary/FormLookup.h"

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

// What Find Base Forms adds to start-up: reading forms.dat (its heap bytes
// as a counter), and the worst case of a word with no form in the
// dictionary, where every candidate is a full miss.
void BM_LoadIrregularForms(benchmark::State& state)
{
    std::size_t bytes = 0;
    for (auto _ : state) {
        CIrregularForms forms;
        std::string problem;
        if (!forms.LoadFile(WORDLUMO_SHIPPED_FORMS, &problem))
            state.SkipWithError(problem.c_str());
        bytes = forms.MemoryBytes();
    }
    state.counters["heap_bytes"] = static_cast<double>(bytes);
}
namespace {
// A selection looked up as Zeto does with Find Base Forms, shipped files.
void FormsBench(benchmark::State& state, const char* selection)
{
    std::unique_ptr<CDictionary> dict = Load(WORDLUMO_SHIPPED_DAT, &state);
    CFormLookup lookup(*dict);
    std::string problem;
    lookup.Irregular().LoadFile(WORDLUMO_SHIPPED_FORMS, &problem);
    for (auto _ : state)
        benchmark::DoNotOptimize(lookup.Lookup(selection, true).text);
}
} // namespace

void BM_LookupBaseFormsMissShipped(benchmark::State& state) { FormsBench(state, "stoppinged"); }
// A verb + particle in another form with an object between (picked them up:
// the longest entries first, then the verb's base forms), and the worst a
// selection under 64 bytes can be: eight words, none of them or their forms
// an entry.
void BM_LookupPhraseShipped(benchmark::State& state) { FormsBench(state, "picked them up"); }
void BM_LookupPhraseMissShipped(benchmark::State& state)
{
    FormsBench(state, "qzxing qzying qzzed qzaes qzbly qzcer qzdest qzeings");
}

BENCHMARK(BM_LoadShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadIrregularForms)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupBaseFormsMissShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupPhraseShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupPhraseMissShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupMissShipped)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupMissMillion)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LookupMissTrimmedMillion)->Unit(benchmark::kMillisecond);
