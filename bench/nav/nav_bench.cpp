// Full scans of the shipped aerodrome file: the cross-country function between its last two
// records (two searches, each reading and scanning the whole file), and the look-up by a name
// that no record contains.

#include <benchmark/benchmark.h>

#include <string>
#include <utility>

#include "nav/aerodrome_codec.h"
#include "nav/aerodrome_search.h"
#include "nav/cross_country.h"

namespace {

using namespace aerlith;

const char* const kShippedFile = AERLITH_SHIPPED_FILE;

/// Identifiers of the file's last two records, which only a full scan reaches.
std::pair<std::string, std::string> LastTwoIdentifiers(const std::string& bytes) {
    std::pair<std::string, std::string> last;
    RecordReader records(bytes);
    while (const auto record = records.Next()) {
        last.first = std::move(last.second);
        last.second = IdentifierOf(record->nameLine);
    }
    return last;
}

void CrossCountryFullScan(benchmark::State& state) {
    const auto bytes = ReadAerodromeFile(kShippedFile);
    if (!bytes) {
        state.SkipWithError("shipped file not readable");
        return;
    }
    const auto [origin, dest] = LastTwoIdentifiers(*bytes);
    NavState nav;
    for (auto _ : state) {
        auto result = ComputeCrossCountry(kShippedFile, origin, dest, nav, nullptr);
        benchmark::DoNotOptimize(result);
    }
    state.SetLabel(origin + " to " + dest + ": " +
                   ComputeCrossCountry(kShippedFile, origin, dest, nav, nullptr).entryText);
}
BENCHMARK(CrossCountryFullScan)->Unit(benchmark::kMicrosecond);

void CrossCountryFullScanInMemory(benchmark::State& state) {
    const auto bytes = ReadAerodromeFile(kShippedFile);
    if (!bytes) {
        state.SkipWithError("shipped file not readable");
        return;
    }
    const auto [origin, dest] = LastTwoIdentifiers(*bytes);
    NavState nav;
    for (auto _ : state) {
        auto result = ComputeCrossCountryInBytes(*bytes, origin, dest, nav, nullptr);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(CrossCountryFullScanInMemory)->Unit(benchmark::kMicrosecond);

void LookUpNothingFound(benchmark::State& state) {
    for (auto _ : state) {
        auto result =
            LookUpByName(kShippedFile, "NO SUCH FIELD", [](std::string_view) { return false; });
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(LookUpNothingFound)->Unit(benchmark::kMicrosecond);

}  // namespace
