// Arbitrary bytes for the aerodrome file decoder, the file check and the searches: two bytes give
// the lengths (1 to 5) of two queries, then the queries, then the file. Nothing may crash or hang;
// every outcome is a text the window can show, every decoded name compresses back to itself, and
// every leg is finite with its course above 0 up to 360.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "nav/aerodrome_codec.h"
#include "nav/aerodrome_file_check.h"
#include "nav/aerodrome_search.h"
#include "nav/cross_country.h"
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t firstLength = 1 + data[0] % 5;
    const std::size_t secondLength = 1 + data[1] % 5;
    if (size < 2 + firstLength + secondLength) return 0;
    const std::string_view first = input.substr(2, firstLength);
    const std::string_view second = input.substr(2 + firstLength, secondLength);
    const std::string_view file = input.substr(2 + firstLength + secondLength);

    CheckRecords(file);
    CheckLeg(file);

    int asked = 0;
    const LookUpResult lookUp = LookUpByNameInBytes(file, first, [&](std::string_view candidate) {
        Require(candidate.substr(0, 2) == "  ");
        return ++asked % 3 == 0;
    });
    Require(lookUp.entryText == Message(37) || lookUp.entryText.substr(0, 2) == "  ");

    NavState state;
    const FindResult found = FindAerodromeInBytes(file, first, state);
    if (const auto* aerodrome = std::get_if<FoundAerodrome>(&found)) {
        Require(!aerodrome->ident.empty() && aerodrome->ident.size() <= 5);
        Require(aerodrome->ident.back() == ' ');
    }
    Require(state.noVariationMark.empty() || state.noVariationMark == "?");

    const CrossCountryResult result = ComputeCrossCountryInBytes(file, first, second, state);
    Require(IsRefusal(result.entryText) || result.entryText.substr(0, 3) == "   ");
    Require(!result.disableEquals || result.entryText == Message(78));
    return 0;
}
