#include "nav/aerodrome_search.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <system_error>
#include <vector>

#include "nav/aerodrome_codec.h"
#include "tables/ascii_text.h"
#include "tables/message_numbers.h"
#include "tables/text_tables.h"

namespace aerlith {

namespace {

std::string_view LastThree(std::string_view text) {
    return text.size() <= 3 ? text : text.substr(text.size() - 3);
}

/// The look-up's match, without regard to case. A decoded name line holds no lower-case letter
/// (bytes up to 90 stand for themselves and every letter pair is upper case), so comparing it
/// with the upper-cased query is the same as comparing both lowered, with no copy of the name
/// per record. `upperQuery` is the query trimmed and upper-cased; `queryLength` its length as
/// given.
bool MatchOf(std::string_view nameLine, std::string_view upperQuery, std::size_t queryLength) {
    const std::string_view name = TrimBlanks(nameLine);
    if (name.empty()) return false;
    if ((queryLength == 3 || queryLength == 4) && LastThree(name) == LastThree(upperQuery)) {
        return true;
    }
    // An empty query is contained in every name, as the look-up has always treated it.
    return name.find(upperQuery) != std::string_view::npos;
}

/// The identifier as typed: the name line's last four characters without blanks.
std::string_view TypedIdentifier(std::string_view nameLine) {
    const std::string_view name = TrimTrailingBlanks(nameLine);
    return TrimBlanks(name.substr(name.size() - std::min<std::size_t>(name.size(), 4)));
}

/// T itself, or C or K followed by T: how Canadian and US identifiers are written in full.
bool IsFullFormOf(std::string_view ident, std::string_view three) {
    if (ident == three) return true;
    return ident.size() == 4 && (ident.front() == 'C' || ident.front() == 'K') &&
           ident.substr(1) == three;
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
    // Written as one character: GCC 12 gives a false -Wrestrict warning for = "?".
    if (variationText.empty()) state.noVariationMark.assign(1, '?');
}

}  // namespace

std::optional<std::string> ReadAerodromeFile(const std::filesystem::path& file) {
    std::error_code error;
    // A directory opens but cannot be read, and a pipe could block forever: only plain files.
    if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
    std::ifstream stream(file, std::ios::binary);
    if (!stream.is_open()) return std::nullopt;
    std::string bytes;
    constexpr std::size_t kChunkBytes = 64 * 1024;
    std::array<char, kChunkBytes> chunk{};
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
    return MatchOf(UpperAscii(nameLine), UpperAscii(TrimBlanks(query)), query.size());
}

LookUpResult LookUpByName(const std::filesystem::path& file, std::string_view query,
                          const CandidateQuestion& acceptCandidate) {
    const auto bytes = ReadAerodromeFile(file);
    if (!bytes) {
        return LookUpResult{LookUpOutcome::kUnreadable,
                            std::string(Message(msg::kDatabaseUnreadable))};
    }
    return LookUpByNameInBytes(*bytes, query, acceptCandidate);
}

LookUpResult LookUpByNameInBytes(std::string_view fileBytes, std::string_view query,
                                 const CandidateQuestion& acceptCandidate) {
    const std::string upperQuery = UpperAscii(TrimBlanks(query));
    RecordReader records(fileBytes);
    while (const RawRecord* record = records.Next()) {
        if (!MatchOf(record->nameLine, upperQuery, query.size())) continue;
        std::string candidate = CandidateEntryText(*record);
        if (acceptCandidate && acceptCandidate(candidate))
            return LookUpResult{LookUpOutcome::kTaken, std::move(candidate)};
    }
    // Skipping every candidate ends the same way as finding none.
    return LookUpResult{LookUpOutcome::kNotFound, std::string(Message(msg::kNotFound))};
}

bool IsIdentifierQueryLength(std::string_view query) {
    return query.size() == 3 || query.size() == 4;
}

FindResult FindAerodrome(const std::filesystem::path& file, std::string_view query, NavState& state,
                         const CandidateQuestion& acceptCandidate) {
    if (!IsIdentifierQueryLength(query)) return WrongIdentifierLength{};
    const auto bytes = ReadAerodromeFile(file);
    if (!bytes) return DatabaseUnreadable{};
    return FindAerodromeInBytes(*bytes, query, state, acceptCandidate);
}

FindResult FindAerodromeInBytes(std::string_view fileBytes, std::string_view query, NavState& state,
                                const CandidateQuestion& acceptCandidate) {
    const std::string typed = UpperAscii(TrimBlanks(query));
    // Blanks alone would be contained in every name and pick the first record of the file.
    if (!IsIdentifierQueryLength(query) || typed.empty()) return WrongIdentifierLength{};
    // A query trimmed to one or two characters can only match a name.
    const std::string_view three = typed.size() >= 3 ? LastThree(typed) : std::string_view{};

    std::optional<RawRecord> byIdentifier;
    std::vector<RawRecord> fullForms;
    std::vector<RawRecord> endingInThree;
    std::optional<RawRecord> byName;
    std::optional<std::string_view> lastPositionLine;
    RecordReader records(fileBytes);
    while (const RawRecord* record = records.Next()) {
        lastPositionLine = record->positionLine;
        const std::string_view ident = TypedIdentifier(record->nameLine);
        if (typed.size() == 4 && ident == typed) {
            byIdentifier = *record;
            break;
        }
        if (!three.empty() && IsFullFormOf(ident, three)) {
            fullForms.push_back(*record);
        } else if (!three.empty() && LastThree(ident) == three) {
            endingInThree.push_back(*record);
        } else if (!byName && record->nameLine.find(typed) != std::string::npos) {
            byName = *record;
        }
    }

    std::optional<RawRecord> chosen;
    if (byIdentifier) {
        chosen = std::move(byIdentifier);
    } else if (!fullForms.empty() || !endingInThree.empty()) {
        const std::vector<RawRecord>& candidates = fullForms.empty() ? endingInThree : fullForms;
        if (candidates.size() == 1) chosen = candidates.front();
        for (std::size_t i = 0; !chosen && acceptCandidate && i < candidates.size(); ++i) {
            if (acceptCandidate(CandidateEntryText(candidates[i]))) chosen = candidates[i];
        }
    } else {
        chosen = std::move(byName);
    }
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
