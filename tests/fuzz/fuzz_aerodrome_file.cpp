// Arbitrary bytes for the aerodrome file decoder, the file check and the searches: two bytes give
// the lengths (1 to 5) of two queries, a third the answers to the questions about candidates
// (bit i for the (i mod 8)th question: set for "OK"), then the queries, then the file. Nothing may
// crash or hang; every outcome is a text the window can show, every decoded name compresses back
// to itself, every leg is finite with its course above 0 up to 360, and the search by identifier
// asks about the candidates that the identifier rule, worked out the plain way, names.

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
#include "tables/text_tables.h"

namespace {

using namespace aerlith;

void Require(bool condition) {
    if (!condition) std::abort();
}

bool IsRefusal(std::string_view text) {
    for (const int entry : {30, 37, 78, 79}) {
        if (text == Message(entry)) return true;
    }
    return false;
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
        Require(std::isfinite(leg->distanceNm) && leg->distanceNm > 0.0f);
        Require(std::isfinite(leg->distanceSm));
        Require(leg->trueCourseDeg > 0.0 && leg->trueCourseDeg <= 360.0);
    }
}

/// The name lines of the records an identifier query offers, worked out the plain way: none
/// when a record has the four-character query as its identifier, else those whose identifier
/// is T, C+T or K+T (T the query's last three characters), else those of another identifier
/// ending in T.
std::vector<std::string> CandidatesOf(std::string_view file, std::string_view query) {
    const std::string typed = UpperAscii(TrimBlanks(query));
    if (!IsIdentifierQueryLength(query) || typed.size() < 3) return {};
    const std::string three = typed.substr(typed.size() - 3);
    std::vector<std::string> fullForms;
    std::vector<std::string> endingIn;
    RecordReader records(file);
    while (const auto record = records.Next()) {
        const std::string ident(TrimBlanks(IdentifierOf(record->nameLine)));
        if (typed.size() == 4 && ident == typed) return {};
        if (ident == three || ident == "C" + three || ident == "K" + three) {
            fullForms.push_back(record->nameLine);
        } else if (ident.size() == 4 && ident.substr(1) == three) {
            endingIn.push_back(record->nameLine);
        }
    }
    return fullForms.empty() ? endingIn : fullForms;
}

/// One candidate is taken without a question; several are asked about in file order until the
/// first "OK", and the one accepted is the one found.
void CheckIdentifierRule(std::string_view file, std::string_view query, std::uint8_t answers) {
    const auto answer = [&](std::size_t i) { return ((answers >> (i % 8)) & 1) != 0; };
    std::vector<std::string> asked;
    NavState state;
    const FindResult result =
        FindAerodromeInBytes(file, query, state, [&](std::string_view candidate) {
            asked.emplace_back(candidate);
            return answer(asked.size() - 1);
        });
    const auto* found = std::get_if<FoundAerodrome>(&result);
    const auto isFound = [&](const std::string& nameLine) {
        return found != nullptr && TrimBlanks(found->ident) == TrimBlanks(IdentifierOf(nameLine));
    };
    const std::vector<std::string> candidates = CandidatesOf(file, query);
    if (candidates.size() < 2) {
        Require(asked.empty() && (candidates.empty() || isFound(candidates.front())));
        return;
    }
    Require(!asked.empty() && asked.size() <= candidates.size());
    for (std::size_t i = 0; i < asked.size(); ++i) {
        Require(asked[i].rfind("  " + candidates[i] + "  ", 0) == 0);
        Require(!answer(i) || i + 1 == asked.size());
    }
    const bool taken = answer(asked.size() - 1);
    Require(taken ? isFound(candidates[asked.size() - 1])
                  : found == nullptr && asked.size() == candidates.size());
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
    Require(lookUp.entryText == Message(37) || lookUp.entryText.substr(0, 2) == "  ");

    CheckIdentifierRule(file, first, answers);
    CheckIdentifierRule(file, second, answers);

    NavState state;
    const FindResult found = FindAerodromeInBytes(file, first, state, nullptr);
    if (const auto* aerodrome = std::get_if<FoundAerodrome>(&found)) {
        Require(!aerodrome->ident.empty() && aerodrome->ident.size() <= 5);
        Require(aerodrome->ident.back() == ' ');
    }
    Require(state.noVariationMark.empty() || state.noVariationMark == "?");

    int questions = 0;
    const CrossCountryResult result = ComputeCrossCountryInBytes(
        file, first, second, state,
        [&](std::string_view) { return ((answers >> (questions++ % 8)) & 1) != 0; });
    Require(IsRefusal(result.entryText) || result.entryText.substr(0, 3) == "   ");
    Require(!result.disableEquals || result.entryText == Message(78));
    return 0;
}
