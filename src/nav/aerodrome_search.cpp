#include "nav/aerodrome_search.h"

#include <array>
#include <fstream>
#include <system_error>

#include "app/tables/text_tables.h"
#include "nav/aerodrome_codec.h"

namespace aerlith {

namespace {

constexpr int kNotFoundMessage = 37;
constexpr int kUnreadableMessage = 79;

std::string_view TrimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string LowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return lower;
}

std::string_view LastThree(std::string_view text) {
    return text.size() <= 3 ? text : text.substr(text.size() - 3);
}

/// How a record answers a query, best first.
enum class Match { kIdentifier, kLastThree, kName, kNone };

/// `lowerQuery` is the query trimmed and lowered; `queryLength` its length as given.
Match MatchOf(std::string_view nameLine, std::string_view lowerQuery, std::size_t queryLength) {
    const std::string name = LowerAscii(TrimBlanks(nameLine));
    if (name.empty()) return Match::kNone;
    if ((queryLength == 3 || queryLength == 4) && LastThree(name) == LastThree(lowerQuery)) {
        const std::string ident = LowerAscii(TrimBlanks(IdentifierOf(nameLine)));
        return ident == lowerQuery ? Match::kIdentifier : Match::kLastThree;
    }
    // An empty query is contained in every name, as the look-up has always treated it.
    return name.find(lowerQuery) != std::string::npos ? Match::kName : Match::kNone;
}

std::string CandidateEntryText(const RawRecord& record) {
    const PositionLine position = ReadPositionLine(record.positionLine);
    std::string text = "  " + record.nameLine + "  " + position.variationText + " ";
    text += DottedLatitude(DecodeDigits(position.latPacked));
    text += "  ";
    text += DottedLongitude(DecodeDigits(position.lonPacked));
    return text;
}

void MarkMissingVariation(std::string_view variationText, NavState& state) {
    if (variationText.empty()) state.noVariationMark = "?";
}

}  // namespace

std::optional<std::string> ReadAerodromeFile(const std::filesystem::path& file) {
    std::error_code error;
    // A directory opens but cannot be read, and a pipe could block forever: only plain files.
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    if (!stream.is_open()) return std::nullopt;
    std::string bytes;
    std::array<char, 65536> chunk{};
    while (bytes.size() < kMaxAerodromeFileBytes) {
        const auto wanted =
            std::min<std::uintmax_t>(chunk.size(), kMaxAerodromeFileBytes - bytes.size());
        stream.read(chunk.data(), static_cast<std::streamsize>(wanted));
        bytes.append(chunk.data(), static_cast<std::size_t>(stream.gcount()));
        if (stream.bad()) return std::nullopt;
        if (!stream) break;
    }
    return bytes;
}

bool NameMatches(std::string_view nameLine, std::string_view query) {
    return MatchOf(nameLine, LowerAscii(TrimBlanks(query)), query.size()) != Match::kNone;
}

LookUpResult LookUpByName(const std::filesystem::path& file, std::string_view query,
                          const CandidateQuestion& acceptCandidate) {
    const auto bytes = ReadAerodromeFile(file);
    if (!bytes) return LookUpResult{std::string(Message(kUnreadableMessage))};
    return LookUpByNameInBytes(*bytes, query, acceptCandidate);
}

LookUpResult LookUpByNameInBytes(std::string_view fileBytes, std::string_view query,
                                 const CandidateQuestion& acceptCandidate) {
    const std::string lowerQuery = LowerAscii(TrimBlanks(query));
    RecordReader records(fileBytes);
    while (const auto record = records.Next()) {
        if (MatchOf(record->nameLine, lowerQuery, query.size()) == Match::kNone) continue;
        std::string candidate = CandidateEntryText(*record);
        if (acceptCandidate && acceptCandidate(candidate))
            return LookUpResult{std::move(candidate)};
    }
    // Skipping every candidate ends the same way as finding none.
    return LookUpResult{std::string(Message(kNotFoundMessage))};
}

bool IsIdentifierQueryLength(std::string_view query) {
    return query.size() == 3 || query.size() == 4;
}

FindResult FindAerodrome(const std::filesystem::path& file, std::string_view query,
                         NavState& state) {
    if (!IsIdentifierQueryLength(query)) return WrongIdentifierLength{};
    const auto bytes = ReadAerodromeFile(file);
    if (!bytes) return DatabaseUnreadable{};
    return FindAerodromeInBytes(*bytes, query, state);
}

FindResult FindAerodromeInBytes(std::string_view fileBytes, std::string_view query,
                                NavState& state) {
    const std::string lowerQuery = LowerAscii(TrimBlanks(query));
    // Blanks alone would be contained in every name and pick the first record of the file.
    if (!IsIdentifierQueryLength(query) || lowerQuery.empty()) return WrongIdentifierLength{};

    std::optional<RawRecord> byIdentifier;
    std::optional<RawRecord> byLastThree;
    std::optional<RawRecord> byName;
    std::optional<std::string_view> lastPositionLine;
    RecordReader records(fileBytes);
    while (auto record = records.Next()) {
        lastPositionLine = record->positionLine;
        const Match match = MatchOf(record->nameLine, lowerQuery, query.size());
        if (match == Match::kIdentifier) {
            byIdentifier = std::move(record);
            break;
        }
        if (match == Match::kLastThree && !byLastThree) byLastThree = std::move(record);
        if (match == Match::kName && !byName) byName = std::move(record);
    }

    const std::optional<RawRecord>& chosen =
        byIdentifier ? byIdentifier : (byLastThree ? byLastThree : byName);
    if (!chosen) {
        MarkMissingVariation(
            lastPositionLine ? ReadPositionLine(*lastPositionLine).variationText : std::string(),
            state);
        return AerodromeNotFound{};
    }
    const PositionLine position = ReadPositionLine(chosen->positionLine);
    MarkMissingVariation(position.variationText, state);
    FoundAerodrome found;
    found.ident = IdentifierOf(chosen->nameLine) + " ";
    found.latitudeDeg = LatitudeFromDigits(DecodeDigits(position.latPacked));
    found.longitudeDeg = LongitudeFromDigits(DecodeDigits(position.lonPacked));
    found.variationWestDeg = VariationWestDegrees(position.variationText);
    found.variationText = position.variationText;
    return found;
}

}  // namespace aerlith
