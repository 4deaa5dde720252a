#pragma once
// The two searches of the aerodrome file: the look-up by part of a name, which offers each
// matching record in turn, and the search by identifier used by the cross-country function.
// Each search reads the file afresh from its beginning; nothing is cached between searches. Each
// has a twin over bytes already in memory, which the file version calls.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace aerlith {

/// What the window keeps between searches.
struct NavState {
    /// Empty at start; "?" once a search by identifier ended on a record without a variation
    /// (an empty position line, or an empty file), and never cleared afterwards.
    std::string noVariationMark;
};

/// A search reads at most this much of the file (a real file holds about 250 KB); records past
/// it are out of reach like records past the 6700th.
inline constexpr std::uintmax_t kMaxAerodromeFileBytes = 16u * 1024u * 1024u;

/// The file's bytes, at most kMaxAerodromeFileBytes of them. nullopt when the file cannot be
/// read: absent, not a regular file (a directory, a pipe), not permitted, or a read error.
std::optional<std::string> ReadAerodromeFile(const std::filesystem::path& file);

/// Name matching. Both texts are trimmed of blanks and lowered. A query of 3 or 4 characters as
/// given matches a name line whose last three characters equal the query's last three; any
/// query matches a name line that contains it. An empty name line never matches.
bool NameMatches(std::string_view nameLine, std::string_view query);

/// Asks the user about one candidate whose entry text the window has just shown; true for "OK".
using CandidateQuestion = std::function<bool(std::string_view candidateEntryText)>;

/// What the look-up by name came to.
enum class LookUpOutcome {
    kTaken,       ///< a candidate was accepted
    kNotFound,    ///< no record matched, or every candidate was declined
    kUnreadable,  ///< the file could not be read
};

/// The look-up's outcome and the entry box text that reports it.
struct LookUpResult {
    LookUpOutcome outcome = LookUpOutcome::kNotFound;
    std::string entryText;
};

/// Look-up by part of a name. Each record whose name line matches `query` (NameMatches), in file
/// order, is offered through `acceptCandidate` with the text "  NAME LINE  VAR LAT  LON" (two
/// blanks, the name line, two blanks, the variation text, a blank, the dotted latitude, two
/// blanks, the dotted longitude). The accepted candidate's text is the result; when none is
/// accepted (or none matched) the result is "Sorry, that location was not found. - End of
/// Database"; when the file cannot be read it is "Sorry, the aerodrome database vdats.tst could
/// not be read."
LookUpResult LookUpByName(const std::filesystem::path& file, std::string_view query,
                          const CandidateQuestion& acceptCandidate);

/// LookUpByName over the file's bytes already read.
LookUpResult LookUpByNameInBytes(std::string_view fileBytes, std::string_view query,
                                 const CandidateQuestion& acceptCandidate);

/// The query does not have 3 or 4 characters (or has only blanks); the file is not read.
struct WrongIdentifierLength {};
/// The file could not be read.
struct DatabaseUnreadable {};
/// No record matched.
struct AerodromeNotFound {};
/// The record chosen, with everything taken from that one record.
struct FoundAerodrome {
    std::string ident;       ///< last four characters of the name line, upper case, then one blank
    float latitudeDeg = 0;   ///< north
    float longitudeDeg = 0;  ///< west
    float variationWestDeg = 0;  ///< west positive, east negative
    std::string variationText;   ///< as in the file: " 14W"; empty when the record has none
};
using FindResult =
    std::variant<WrongIdentifierLength, DatabaseUnreadable, AerodromeNotFound, FoundAerodrome>;

/// True when `query` has 3 or 4 characters, counted as given.
bool IsIdentifierQueryLength(std::string_view query);

/// Search by identifier. The query, trimmed of blanks and compared without regard to case, is
/// looked for over the whole file (at most 6700 records, up to the "99" record); a record's
/// identifier is the last four characters of its name line without blanks ("YOW" for a line
/// ending " YOW").
/// 1. A query of four characters that a record has as its identifier: the first such record.
/// 2. Otherwise, with T the query's last three characters: the records whose identifier is T,
///    C+T or K+T; when there are none, the records whose identifier ends in T. One such record
///    is taken; several are offered in file order through `acceptCandidate`, with the text the
///    look-up shows (LookUpByName), until one is accepted. When none is accepted (or there is no
///    question) nothing is found.
/// 3. When step 2 has no record at all: the first record whose name line contains the query.
/// Sets state.noVariationMark to "?" when the chosen record has no variation, or, when nothing
/// is found, when the last record read had none (or no record was read).
FindResult FindAerodrome(const std::filesystem::path& file, std::string_view query, NavState& state,
                         const CandidateQuestion& acceptCandidate);

/// FindAerodrome over the file's bytes already read.
FindResult FindAerodromeInBytes(std::string_view fileBytes, std::string_view query, NavState& state,
                                const CandidateQuestion& acceptCandidate);

}  // namespace aerlith
