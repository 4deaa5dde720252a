#include "nav/aerodrome_search.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <variant>
#include <vector>

#include "nav/aerodrome_codec.h"
#include "tables/text_tables.h"
#include "test_files.h"

namespace aerlith {
namespace {

const std::string kNotFound = "Sorry, that location was not found. - End of Database";
const std::string kUnreadable = "Sorry, the aerodrome database vdats.tst could not be read.";

TEST(NameMatches, LastThreeLettersOrContainedText) {
    struct Case {
        const char* name;
        const char* nameLine;
        const char* query;
        bool matches;
    };
    const Case cases[] = {
        {"four-letter identifier", "OTTAWA ON CYOW", "CYOW", true},
        {"its three-letter form", "OTTAWA ON CYOW", "YOW", true},
        {"another first letter", "OTTAWA ON CYOW", "KYOW", true},
        {"any case", "OTTAWA ON CYOW", "cyow", true},
        {"part of the name", "OTTAWA ON CYOW", "tawa", true},
        {"part of the name, five letters", "OTTAWA ON CYOW", "ottaw", true},
        {"blanks around the query", "OTTAWA ON CYOW", "  ottawa  ", true},
        {"blanks around the name line", "  OTTAWA ON CYOW  ", "YOW", true},
        {"last three only for 3 or 4 characters", "OTTAWA ON CYOW", "XXYOW", false},
        {"counted before trimming", "OTTAWA ON CYOW", " XYOW ", false},
        {"not there", "OTTAWA ON CYOW", "YUL", false},
        {"empty name line", "", "YOW", false},
        {"blank name line", "    ", "", false},
        {"empty query matches any name", "OTTAWA ON CYOW", "", true},
    };
    for (const auto& c : cases) EXPECT_EQ(NameMatches(c.nameLine, c.query), c.matches) << c.name;
}

// --- FindAerodrome ---------------------------------------------------------------------------

const FoundAerodrome* Found(const FindResult& result) {
    return std::get_if<FoundAerodrome>(&result);
}

TEST(FindAerodrome, RefusesQueriesOfTheWrongLength) {
    const std::string file = TestFile({Ottawa()});
    for (const char* query : {"", "YO", "CYOWX", "   ", "    ", "CYOW  "}) {
        NavState state;
        EXPECT_TRUE(
            std::holds_alternative<WrongIdentifierLength>(FindAerodromeInBytes(file, query, state)))
            << "'" << query << "'";
    }
    NavState state;
    // The length check comes before the file: a missing file still gives the length refusal.
    EXPECT_TRUE(std::holds_alternative<WrongIdentifierLength>(
        FindAerodrome("/nonexistent/vdats.tst", "YO", state)));
}

TEST(FindAerodrome, TakesEverythingFromTheChosenRecord) {
    const std::string file = TestFile({Ottawa(), Montreal(), Seattle()});
    NavState state;
    const FindResult result = FindAerodromeInBytes(file, "yul", state);
    const auto* found = Found(result);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->ident, "CYUL ");
    EXPECT_EQ(found->latitudeDeg, static_cast<float>(45.0 + 28.0 / 60 + 4.0 / 3600));
    EXPECT_EQ(found->longitudeDeg, static_cast<float>(73.0 + 44.0 / 60 + 32.0 / 3600));
    EXPECT_EQ(found->variationWestDeg, 14.0f);
    EXPECT_EQ(found->variationText, " 14W");
    EXPECT_EQ(state.noVariationMark, "");
}

TEST(FindAerodrome, PrefersIdentifierThenLastThreeThenName) {
    struct Case {
        const char* name;
        std::vector<AerodromeRecord> records;
        const char* query;
        const char* ident;
    };
    const Case cases[] = {
        {"identifier beats an earlier name containing the query",
         {Named("SEAPLANE BASE", "WA", "W55"), Named("SEATTLE-TACOMA INTL", "WA", "KSEA")},
         "SEA",
         "KSEA "},
        {"exact identifier beats an earlier last-three match",
         {Named("OTHER", "ON", "KYOW"), Named("OTTAWA", "ON", "CYOW")},
         "cyow",
         "CYOW "},
        {"exact three-letter identifier beats a four-letter one",
         {Named("OTTAWA", "ON", "CYOW"), Named("BOWMAN", "ON", "YOW")},
         "YOW",
         " YOW "},
        {"last three beat an earlier name containing the query",
         {Named("YOWLING CREEK", "ON", "CAB2"), Named("OTTAWA", "ON", "CYOW")},
         "YOW",
         "CYOW "},
        {"first of two last-three matches",
         {Named("FIRST", "ON", "KYOW"), Named("SECOND", "ON", "CYOW")},
         "YOW",
         "KYOW "},
        {"name containing the query when nothing else matches",
         {Named("OTTAWA", "ON", "CYOW"), Named("BIG TROUT LAKE", "ON", "CYTL")},
         "TROU",
         "CYTL "},
        {"first of two names containing the query",
         {Named("TROUT LAKE", "ON", "CAB1"), Named("BIG TROUT LAKE", "ON", "CYTL")},
         "TROU",
         "CAB1 "},
    };
    for (const auto& c : cases) {
        NavState state;
        const FindResult result = FindAerodromeInBytes(TestFile(c.records), c.query, state);
        const auto* found = Found(result);
        ASSERT_TRUE(found) << c.name;
        EXPECT_EQ(found->ident, c.ident) << c.name;
    }
}

TEST(FindAerodrome, ChosenRecordVariationNotTheLastRecordRead) {
    AerodromeRecord east = Montreal();
    east.variationWestDeg = -12;
    // The seaplane base is chosen by name; the scan goes on to the end of the file.
    const std::string file = TestFile({Named("SEAPLANE BASE", "WA", "W55"), east});
    NavState state;
    const FindResult result = FindAerodromeInBytes(file, "PLAN", state);
    const auto* found = Found(result);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->ident, " W55 ");
    EXPECT_EQ(found->variationWestDeg, 13.0f);
}

TEST(FindAerodrome, NothingAfterTheEndRecordOrPastTheLimit) {
    NavState state;
    const std::string afterEnd = TestFile({Ottawa()}) + EncodeRecord(Montreal()).bytes.value();
    EXPECT_TRUE(
        std::holds_alternative<AerodromeNotFound>(FindAerodromeInBytes(afterEnd, "CYUL", state)));

    // Record 6700 is still examined when no end record comes before it; record 6701 is not.
    std::string many;
    for (int i = 1; i <= 6701; ++i) {
        AerodromeRecord record = Ottawa();
        record.ident = std::to_string(1000 + i % 1000);  // Q000 to Q999 after the next line
        record.ident[0] = 'Q';
        if (i == 6700) record.ident = "ZLST";
        if (i == 6701) record.ident = "ZOUT";
        many += EncodeRecord(record).bytes.value();
    }
    EXPECT_TRUE(Found(FindAerodromeInBytes(many, "ZLST", state)));
    EXPECT_TRUE(
        std::holds_alternative<AerodromeNotFound>(FindAerodromeInBytes(many, "ZOUT", state)));
}

TEST(FindAerodrome, StopsCleanlyWithoutAnEndRecord) {
    NavState state;
    const std::string noEnd = TestFileWithoutEnd({Ottawa(), Montreal()});
    EXPECT_TRUE(Found(FindAerodromeInBytes(noEnd, "CYUL", state)));
    EXPECT_TRUE(
        std::holds_alternative<AerodromeNotFound>(FindAerodromeInBytes(noEnd, "CYVR", state)));
    // A last record cut after its name line is not a record.
    const std::string cut = noEnd.substr(0, noEnd.rfind('\r', noEnd.size() - 3) + 2);
    EXPECT_TRUE(
        std::holds_alternative<AerodromeNotFound>(FindAerodromeInBytes(cut, "CYUL", state)));
    EXPECT_TRUE(Found(FindAerodromeInBytes(cut, "CYOW", state)));
}

TEST(FindAerodrome, MarksAMissingVariationForGood) {
    const std::string noVariation = "OTTAWA ON CYOW\r\n\r\n99\r\n";
    NavState state;
    const FindResult result = FindAerodromeInBytes(noVariation, "CYOW", state);
    const auto* found = Found(result);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->variationText, "");
    EXPECT_EQ(found->variationWestDeg, 0.0f);
    EXPECT_EQ(found->latitudeDeg, 0.0f);
    EXPECT_EQ(state.noVariationMark, "?");

    FindAerodromeInBytes(TestFile({Ottawa()}), "CYOW", state);
    EXPECT_EQ(state.noVariationMark, "?") << "never cleared";

    NavState fresh;
    FindAerodromeInBytes(TestFile({Ottawa()}), "CYOW", fresh);
    FindAerodromeInBytes(TestFile({Ottawa()}), "CYUL", fresh);
    EXPECT_EQ(fresh.noVariationMark, "") << "a record with a variation was read last";
    FindAerodromeInBytes("", "CYUL", fresh);
    EXPECT_EQ(fresh.noVariationMark, "?") << "no record read at all";
}

// --- LookUpByName ----------------------------------------------------------------------------

/// Answers the look-up's questions from a script and records what was shown.
struct Asker {
    std::vector<bool> answers;
    std::vector<std::string> shown;
    bool operator()(std::string_view candidate) {
        shown.emplace_back(candidate);
        return shown.size() <= answers.size() && answers[shown.size() - 1];
    }
};

TEST(LookUpByName, ShowsEachCandidateUntilOneIsAccepted) {
    const std::string file = TestFile({Ottawa(), Montreal(), Seattle()});
    Asker asker{{false, true}, {}};
    const LookUpResult result =
        LookUpByNameInBytes(file, "INTL", [&](std::string_view text) { return asker(text); });
    const std::string montreal =
        "  MONTREAL / PIERRE ELLIOTT TRUDEAU INTL QC CYUL   14W 45.28.04  73.44.32";
    ASSERT_EQ(asker.shown.size(), 2u);
    EXPECT_EQ(asker.shown[0], "  OTTAWA MACDONALD-CARTIER INTL ON CYOW   13W 45.19.21  75.40.09");
    EXPECT_EQ(asker.shown[1], montreal);
    EXPECT_EQ(result.entryText, montreal);
    EXPECT_TRUE(result.clearModeLetter);
    EXPECT_TRUE(result.disableEquals);
}

TEST(LookUpByName, ThreeDigitLongitudeAndEastVariation) {
    Asker asker{{true}, {}};
    const LookUpResult result = LookUpByNameInBytes(
        TestFile({Seattle()}), "tacoma", [&](std::string_view text) { return asker(text); });
    EXPECT_EQ(result.entryText, "  SEATTLE-TACOMA INTL WA KSEA   15E 47.26.56  122.18.33");
}

TEST(LookUpByName, SkippingEveryCandidateEndsLikeFindingNone) {
    const std::string file = TestFile({Ottawa(), Montreal(), Seattle()});
    Asker skipAll;
    EXPECT_EQ(
        LookUpByNameInBytes(file, "INTL", [&](std::string_view t) { return skipAll(t); }).entryText,
        kNotFound);
    EXPECT_EQ(skipAll.shown.size(), 3u);

    Asker none;
    EXPECT_EQ(LookUpByNameInBytes(file, "Vancouver", [&](std::string_view t) { return none(t); })
                  .entryText,
              kNotFound);
    EXPECT_TRUE(none.shown.empty());

    EXPECT_EQ(LookUpByNameInBytes(file, "INTL", nullptr).entryText, kNotFound);
    EXPECT_EQ(LookUpByNameInBytes("", "INTL", nullptr).entryText, kNotFound);
}

TEST(LookUpByName, ThreeLetterQueryAlsoFindsByIdentifier) {
    Asker asker;
    LookUpByNameInBytes(TestFile({Ottawa(), Montreal()}), "YUL",
                        [&](std::string_view t) { return asker(t); });
    ASSERT_EQ(asker.shown.size(), 1u);
    EXPECT_NE(asker.shown[0].find("CYUL"), std::string::npos);
}

// --- Files -----------------------------------------------------------------------------------

class AerodromeFiles : public ::testing::Test {
protected:
    void SetUp() override {
        // A random suffix keeps parallel runs of the suite apart without a POSIX process id.
        folder_ = std::filesystem::temp_directory_path() /
                  ("aerlith_nav_test_" + std::to_string(std::random_device{}()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::permissions(folder_ / "locked.tst", std::filesystem::perms::owner_all,
                                     error);
        std::filesystem::remove_all(folder_, error);
    }
    std::filesystem::path Write(const std::string& name, const std::string& bytes) {
        std::ofstream out(folder_ / name, std::ios::binary);
        out << bytes;
        return folder_ / name;
    }
    std::filesystem::path folder_;
};

TEST_F(AerodromeFiles, UnreadableFilesAreReportedAsSuch) {
    std::vector<std::pair<const char*, std::filesystem::path>> unreadable = {
        {"absent", folder_ / "absent.tst"},
        {"a directory in its place", folder_},
    };
    const auto locked = Write("locked.tst", TestFile({Ottawa()}));
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    if (std::ifstream(locked).is_open()) {
        std::cout
            << "[ note ] running with rights that read any file: no-permission case left out\n";
    } else {
        unreadable.emplace_back("no permission", locked);
    }
    for (const auto& [name, path] : unreadable) {
        NavState state;
        EXPECT_FALSE(ReadAerodromeFile(path)) << name;
        EXPECT_TRUE(std::holds_alternative<DatabaseUnreadable>(FindAerodrome(path, "CYOW", state)))
            << name;
        const LookUpResult result =
            LookUpByName(path, "OTTAWA", [](std::string_view) { return true; });
        EXPECT_EQ(result.entryText, kUnreadable) << name;
        EXPECT_TRUE(result.disableEquals) << name;
        EXPECT_EQ(state.noVariationMark, "") << name;
    }
}

TEST_F(AerodromeFiles, DamagedButReadableFilesAreSearchedAsTheyAre) {
    struct Case {
        const char* name;
        std::string bytes;
    };
    const Case cases[] = {
        {"empty", ""},
        {"one over-long line", std::string(1 << 20, 'A')},
        {"over-long line then records", std::string(1 << 20, 'B') + "\r\n" + TestFile({Ottawa()})},
        {"binary", ReadTestData("binary.tst")},
        {"line ends only", std::string(5000, '\r')},
    };
    for (const auto& c : cases) {
        const auto path = Write("damaged.tst", c.bytes);
        ASSERT_TRUE(ReadAerodromeFile(path)) << c.name;
        NavState state;
        EXPECT_TRUE(std::holds_alternative<AerodromeNotFound>(FindAerodrome(path, "CYUL", state)))
            << c.name;
        EXPECT_EQ(LookUpByName(path, "MONTREAL", [](std::string_view) { return true; }).entryText,
                  kNotFound)
            << c.name;
    }
}

TEST_F(AerodromeFiles, ReadsTheTestDataFiles) {
    const auto data = TestDataFolder();
    NavState state;
    EXPECT_TRUE(Found(FindAerodrome(data / "valid.tst", "KSEA", state)));
    EXPECT_TRUE(
        std::holds_alternative<AerodromeNotFound>(FindAerodrome(data / "valid.tst", "CXAF", state)))
        << "record after the end record";
    EXPECT_TRUE(Found(FindAerodrome(data / "no_end.tst", "KSEA", state)));
    EXPECT_TRUE(Found(FindAerodrome(data / "truncated.tst", "W55", state)));
    EXPECT_TRUE(std::holds_alternative<AerodromeNotFound>(
        FindAerodrome(data / "truncated.tst", "KSEA", state)));
    EXPECT_EQ(state.noVariationMark, "");
    EXPECT_TRUE(Found(FindAerodrome(data / "malformed.tst", "XSHO", state)));
    EXPECT_EQ(state.noVariationMark, "");
    EXPECT_TRUE(Found(FindAerodrome(data / "malformed.tst", "XEMP", state)));
    EXPECT_EQ(state.noVariationMark, "?");
}

TEST_F(AerodromeFiles, TheShippedFileFindsItsAirports) {
    const auto shipped = TestDataFolder().parent_path().parent_path() / "data" / "vdats.tst";
    const auto bytes = ReadAerodromeFile(shipped);
    ASSERT_TRUE(bytes) << shipped;
    RecordReader records(*bytes);
    while (records.Next()) {
    }
    EXPECT_EQ(records.End(), RecordsEnd::kEndRecord);
    EXPECT_GT(records.Count(), 4000);
    EXPECT_LE(records.Count(), kMaxRecords - 1);
    struct Case {
        const char* query;
        const char* ident;
        float variationWest;
    };
    // Variation from the 2025 magnetic model, whole degrees; a year or two moves them by
    // a fraction of a degree, so one degree either way passes.
    const Case cases[] = {{"CYOW", "CYOW ", 13.0f},
                          {"YUL", "CYUL ", 14.0f},
                          {"SEA", "KSEA ", -15.0f},
                          {"CYVR", "CYVR ", -15.0f},
                          {"JFK", "KJFK ", 13.0f}};
    for (const auto& c : cases) {
        NavState state;
        const FindResult result = FindAerodromeInBytes(*bytes, c.query, state);
        const auto* found = Found(result);
        ASSERT_TRUE(found) << c.query;
        EXPECT_EQ(found->ident, c.ident);
        EXPECT_NEAR(found->variationWestDeg, c.variationWest, 1.0f) << c.query;
    }
}

}  // namespace
}  // namespace aerlith
