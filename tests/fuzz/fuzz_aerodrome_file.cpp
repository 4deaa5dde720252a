// Arbitrary bytes for the aerodrome file decoder, the file check and the searches: two bytes give
// the lengths (1 to 5) of two queries, a third the answers to the questions about candidates
// (bit i for the (i mod 8)th question: set for "OK"), then the queries, then the file. Nothing may
// crash or hang; every outcome is a text the window can show, every decoded name compresses back
// to itself, every leg is finite with its course above 0 up to 360, and the identifier search
// asks about what a plain reading of its rule names.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "nav/aerodrome_codec.h"
#include "nav/aerodrome_file_check.h"
#include "nav/aerodrome_search.h"
#include "nav/cross_country.h"
#include "tables/ascii_text.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"

namespace {

using namespace aerlith;

void Require(bool condition) {
    if (!condition) std::abort();
}

void CheckRecords(std::string_view file) {
    RecordReader records(file);
    while (const auto record = records.Next()) {
        const PositionLine position = ReadPositionLine(record->positionLine);
        Require(std::isfinite(LatitudeFromDigits(DecodeDigits(position.latPacked))));
        Require(std::isfinite(LongitudeFromDigits(DecodeDigits(position.lonPacked))));
        Require(std::isfinite(VariationWestDegrees(position.variationText)));
        if (const auto compressed = CompressLetterPairs(record->nameLine)) {
            Require(ExpandLetterPairs(*compressed) == record->nameLine);
        }
    }
    Require(records.Count() <= kMaxRecords);
    Require(CheckAerodromeFile(file).records >= records.Count());
}

void CheckLeg(std::string_view bytes) {
    float degrees[4];
    if (bytes.size() < sizeof degrees) return;
    std::memcpy(degrees, bytes.data(), sizeof degrees);
    if (const auto leg = ComputeLeg(degrees[0], degrees[1], degrees[2], degrees[3])) {
        Require(std::isfinite(leg->distanceNm) && leg->distanceNm > 0 &&
                std::isfinite(leg->distanceSm));
        Require(leg->trueCourseDeg > 0.0 && leg->trueCourseDeg <= 360.0);
    }
}

/// The name lines of the records an identifier query offers, worked out the plain way: none when
/// a record has the four-character query as its identifier, else those whose identifier is T,
/// C+T or K+T (T the query's last three characters), else those of another identifier ending in T.
std::vector<std::string> CandidatesOf(std::string_view file, std::string_view query) {
    const std::string typed = UpperAscii(TrimBlanks(query));
    if (!IsIdentifierQueryLength(query) || typed.size() < 3) return {};
    const std::string t = typed.substr(typed.size() - 3);
    std::vector<std::string> found[2];  // full forms, other identifiers ending in T
    for (RecordReader records(file); const auto record = records.Next();) {
        const std::string ident(TrimBlanks(IdentifierOf(record->nameLine)));
        if (typed.size() == 4 && ident == typed) return {};
        const bool full = ident == t || ident == "C" + t || ident == "K" + t;
        if (full || (ident.size() == 4 && ident.substr(1) == t)) {
            found[full ? 0 : 1].push_back(record->nameLine);
        }
    }
    return found[0].empty() ? found[1] : found[0];
}

/// One candidate is taken without a question; several are asked about in file order until the
/// first "OK", and the one accepted is the one found.
void CheckIdentifierRule(std::string_view file, std::string_view query, std::uint8_t answers) {
    const auto answer = [&](std::size_t i) { return ((answers >> (i % 8)) & 1) != 0; };
    const std::vector<std::string> candidates = CandidatesOf(file, query);
    std::size_t asked = 0;
    NavState state;
    const FindResult result = FindAerodromeInBytes(file, query, state, [&](std::string_view text) {
        Require(asked < candidates.size() && text.rfind("  " + candidates[asked] + "  ", 0) == 0);
        return answer(asked++);
    });
    if (candidates.empty()) return Require(asked == 0);
    std::size_t taken = 0;
    while (candidates.size() > 1 && taken < candidates.size() && !answer(taken)) ++taken;
    Require(asked == (candidates.size() > 1 ? std::min(taken + 1, candidates.size()) : 0));
    const auto* found = std::get_if<FoundAerodrome>(&result);
    Require(taken == candidates.size()
                ? found == nullptr
                : found != nullptr &&
                      TrimBlanks(found->ident) == TrimBlanks(IdentifierOf(candidates[taken])));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t firstLength = 1 + data[0] % 5;
    const std::size_t secondLength = 1 + data[1] % 5;
    const std::uint8_t answers = data[2];
    if (size < 3 + firstLength + secondLength) return 0;
    const std::string_view first = input.substr(3, firstLength);
    const std::string_view second = input.substr(3 + firstLength, secondLength);
    const std::string_view file = input.substr(3 + firstLength + secondLength);

    CheckRecords(file);
    CheckLeg(file);

    int asked = 0;
    const LookUpResult lookUp = LookUpByNameInBytes(file, first, [&](std::string_view candidate) {
        Require(candidate.substr(0, 2) == "  ");
        return ++asked % 3 == 0;
    });
    Require(lookUp.outcome == LookUpOutcome::kTaken ? lookUp.entryText.substr(0, 2) == "  "
                                                    : lookUp.entryText == Message(msg::kNotFound));

    CheckIdentifierRule(file, first, answers);
    CheckIdentifierRule(file, second, answers);

    NavState state;
    const FindResult found = FindAerodromeInBytes(file, first, state, nullptr);
    if (const auto* aerodrome = std::get_if<FoundAerodrome>(&found)) {
        Require(!aerodrome->ident.empty() && aerodrome->ident.size() <= 5 &&
                aerodrome->ident.back() == ' ');
    }
    Require(state.noVariationMark.empty() || state.noVariationMark == "?");

    int questions = 0;
    const CrossCountryResult result = ComputeCrossCountryInBytes(
        file, first, second, state,
        [&](std::string_view) { return ((answers >> (questions++ % 8)) & 1) != 0; });
    const std::string& entry = result.entryText;
    Require(entry.substr(0, 3) == "   " || entry == Message(msg::kRefusal) ||
            entry == Message(msg::kNotFound) || entry == Message(msg::kWrongIdentifierLength) ||
            entry == Message(msg::kDatabaseUnreadable));
    Require((result.outcome == CrossCountryOutcome::kLeg) == (entry.substr(0, 3) == "   "));
    Require((result.outcome == CrossCountryOutcome::kWrongIdentifierLength) ==
            (entry == Message(msg::kWrongIdentifierLength)));
    return 0;
}
