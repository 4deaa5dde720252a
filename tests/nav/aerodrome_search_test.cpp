#include "nav/aerodrome_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <variant>
#include <vector>

#include "nav/aerodrome_file_check.h"
#include "nav/cross_country.h"
#include "test_files.h"

namespace aerlith {
namespace {

const std::string kNotFound = "Sorry, that location was not found. - End of Database";
const std::string kUnreadable = "Sorry, the aerodrome database vdats.tst could not be read.";
using Lines = std::vector<std::string>;

/// A question that keeps each candidate's text in `shown` and gives `answers` in turn, then
/// "Skip".
CandidateQuestion Answering(const std::vector<bool>& answers, Lines& shown) {
    return [&answers, &shown](std::string_view text) {
        shown.emplace_back(text);
        return shown.size() <= answers.size() && answers[shown.size() - 1];
    };
}

TEST(NameMatches, LastThreeLettersOrContainedText) {
    const std::tuple<const char*, const char*, const char*, bool> cases[] = {
        {"last three with another first letter", "OTTAWA ON CYOW", "KYOW", true},
        {"blanks around the query", "OTTAWA ON CYOW", "  ottawa  ", true},
        {"blanks around the name line", "  OTTAWA ON CYOW  ", "YOW", true},
        {"last three only for 3 or 4 characters", "OTTAWA ON CYOW", "XXYOW", false},
        {"length counted before trimming", "OTTAWA ON CYOW", " XYOW ", false},
        {"blank name line", "    ", "", false},
        {"empty query matches any name", "OTTAWA ON CYOW", "", true},
    };
    for (const auto& [name, nameLine, query, matches] : cases) {
        EXPECT_EQ(NameMatches(nameLine, query), matches) << name;
    }
}

/// The identifier and variation text found, or why nothing was.
std::string Outcome(const FindResult& result) {
    if (const auto* found = std::get_if<FoundAerodrome>(&result)) {
        return found->ident + found->variationText;
    }
    if (std::holds_alternative<WrongIdentifierLength>(result)) return "wrong length";
    return std::holds_alternative<DatabaseUnreadable>(result) ? "unreadable" : "not found";
}

TEST(FindAerodrome, FirstBestMatchOfTheWholeFile) {
    const std::string many = ManyRecords(6701);  // QAAA, QAAB, ... QJXR, QJXS
    const std::string noVariation = "OTTAWA ON CYOW  \r\n\r\n99\r\n";
    // Name, file, query, identifier and variation text found, noVariationMark afterwards. A query
    // of the wrong length is refused before the file is read.
    const std::tuple<const char*, std::string, const char*, const char*, const char*> cases[] = {
        {"five characters", "", "CYOWX", "wrong length", ""},
        {"blanks only", "", "   ", "wrong length", ""},
        {"length counted before trimming", "", "CYOW  ", "wrong length", ""},
        {"identifier beats an earlier name",
         TestFile({Named("YOWLING CREEK", "CAB2"), Named("OTTAWA", "CYOW")}), "YOW", "CYOW  13W",
         ""},
        {"first of two names", TestFile({Named("TROUT LAKE", "CAB1"), Named("BIG TROUT", "CYTL")}),
         "TROU", "CAB1  13W", ""},
        {"variation of the chosen record, not the last read",
         TestFile({Named("SEAPLANE BASE", "W55"), Seattle()}), "PLAN", " W55  13W", ""},
        {"nothing after the end record", TestFile({Ottawa()}) + TestFileWithoutEnd({Montreal()}),
         "CYUL", "not found", ""},
        {"record cut after its name line", TestFileWithoutEnd({Ottawa()}) + "CUT CYUL\r\n", "CYUL",
         "not found", ""},
        {"record 6700 without an end record", many, "QJXR", "QJXR  0W", ""},
        {"record 6701", many, "QJXS", "not found", ""},
        {"chosen record without a variation", noVariation, "CYOW", "CYOW ", "?"},
        {"not found, last record without a variation", noVariation, "CYUL", "not found", "?"},
        {"not found in an empty file", "", "CYUL", "not found", "?"},
    };
    for (const auto& [name, file, query, outcome, mark] : cases) {
        NavState state;
        EXPECT_EQ(Outcome(FindAerodromeInBytes(file, query, state, nullptr)), outcome) << name;
        EXPECT_EQ(state.noVariationMark, mark) << name;
    }
}

/// The identifiers at the end of the name lines in candidates' texts "  NAME LINE  VAR ...".
Lines IdentifiersShown(const Lines& texts) {
    Lines identifiers;
    for (const std::string& text : texts) {
        const std::string nameLine = text.substr(2, text.find("  ", 2) - 2);
        identifiers.push_back(nameLine.substr(nameLine.rfind(' ') + 1));
    }
    return identifiers;
}

TEST(FindAerodrome, IdentifiersThatSeveralRecordsAnswerAreAskedAbout) {
    const std::string file = TestFile({Named("KINCARDINE", "CYKM"), Named("GOLDEN", "CYGE"),
                                       Named("YAKIMA", "KYKM"), Named("GORGE HARBOUR", "YGE"),
                                       Named("COLUMBIA COUNTY", "1B1"), Named("ANCHORAGE", "PANC"),
                                       Named("FAR AWAY", "PFAR"), Named("SOMEWHERE", "XFAR")});
    // Name, query, answers to the questions, identifiers asked about, identifier found. The
    // scenario cross_country_identifiers shows K forms, and C and K forms asked about in order.
    const std::tuple<const char*, const char*, std::vector<bool>, Lines, const char*> cases[] = {
        {"four characters that are an identifier", "KYKM", {}, {}, "KYKM  13W"},
        {"the first taken, lower case", "ykm", {true}, {"CYKM"}, "CYKM  13W"},
        {"bare and C form, both declined", "YGE", {false, false}, {"CYGE", "YGE"}, "not found"},
        {"no C or K form: the one identifier ending so", "ANC", {}, {}, "PANC  13W"},
        {"no C or K form: several ending so", "FAR", {false, true}, {"PFAR", "XFAR"}, "XFAR  13W"},
        {"four characters, not an identifier: read by the last three", "K1B1", {}, {}, " 1B1  13W"},
        {"a mistyped first letter asks", "ZYKM", {true}, {"CYKM"}, "CYKM  13W"},
        {"no identifier ends so: the name", "GORG", {}, {}, " YGE  13W"},
    };
    for (const auto& [name, query, answers, expected, outcome] : cases) {
        Lines asked;
        NavState state;
        const FindResult result =
            FindAerodromeInBytes(file, query, state, Answering(answers, asked));
        EXPECT_EQ(IdentifiersShown(asked), expected) << name;
        EXPECT_EQ(Outcome(result), outcome) << name;
    }
    NavState state;
    EXPECT_EQ(Outcome(FindAerodromeInBytes(file, "YKM", state, nullptr)), "not found")
        << "no question";
}

// The scenario aerodrome_lookup shows candidates offered in turn, skipped or taken.
TEST(LookUpByName, ThreeLettersFindByIdentifier) {
    const std::string file = TestFile({Ottawa(), Seattle(), Montreal()});
    const std::string montreal = "  MONTREAL TRUDEAU INTL QC CYUL   14W 45.28.04  73.44.32";
    Lines shown;
    const std::vector<bool> yes{true};
    const LookUpResult taken = LookUpByNameInBytes(file, "YUL", Answering(yes, shown));
    EXPECT_EQ(taken.outcome, LookUpOutcome::kTaken);
    EXPECT_EQ(taken.entryText, montreal);
    EXPECT_EQ(shown, Lines{montreal});
    const LookUpResult unasked = LookUpByNameInBytes(file, "INTL", nullptr);
    EXPECT_EQ(unasked.outcome, LookUpOutcome::kNotFound) << "no question";
    EXPECT_EQ(unasked.entryText, kNotFound) << "no question";
}

// A file without read permission, a pipe and a vanishing file: tests/faults.
TEST(AerodromeFiles, UnreadableFilesAreReportedAsSuch) {
    const auto temp = std::filesystem::temp_directory_path();
    for (const auto& path : {temp / "aerlith_absent/vdats.tst", temp}) {
        NavState state;
        EXPECT_EQ(Outcome(FindAerodrome(path, "CYOW", state, nullptr)), "unreadable") << path;
        EXPECT_EQ(Outcome(FindAerodrome(path, "YO", state, nullptr)), "wrong length") << path;
        const LookUpResult lookUp = LookUpByName(path, "OTTAWA", nullptr);
        EXPECT_EQ(lookUp.outcome, LookUpOutcome::kUnreadable) << path;
        EXPECT_EQ(lookUp.entryText, kUnreadable) << path;
        const CrossCountryResult leg = ComputeCrossCountry(path, "CYOW", "CYUL", state, nullptr);
        EXPECT_EQ(leg.outcome, CrossCountryOutcome::kUnreadable) << path;
        EXPECT_EQ(leg.entryText, kUnreadable) << path;
        EXPECT_EQ(state.noVariationMark, "") << path;
    }
}

TEST(AerodromeFiles, TheShippedFileIsCleanAndFindsItsAirports) {
    const auto bytes = ReadAerodromeFile(AERLITH_SHIPPED_AERODROME_FILE);
    ASSERT_TRUE(bytes);
    const FileCheck check = CheckAerodromeFile(*bytes);
    EXPECT_TRUE(check.Clean());
    EXPECT_GT(check.records, 4000);
    // Variation from the 2025 magnetic model in whole degrees, west positive; a year or two moves
    // it by a fraction of a degree, so one degree either way passes.
    const std::tuple<const char*, const char*, float> cases[] = {
        {"CYOW", "CYOW ", 13}, {"YUL", "CYUL ", 14}, {"SEA", "KSEA ", -15}, {"JFK", "KJFK ", 13}};
    for (const auto& [query, ident, variationWest] : cases) {
        NavState state;
        const std::string found = Outcome(FindAerodromeInBytes(*bytes, query, state, nullptr));
        EXPECT_EQ(found.substr(0, 5), ident) << query;
        EXPECT_NEAR(VariationWestDegrees(found.substr(5)), variationWest, 1.0f) << query;
    }
}

}  // namespace
}  // namespace aerlith
