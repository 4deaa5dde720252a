#include "nav/aerodrome_codec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "test_files.h"

namespace aerlith {
namespace {

using Lines = std::vector<std::string>;

TEST(LineReader, SplitsAtEveryKindOfLineEnd) {
    const std::tuple<const char*, std::string, Lines> cases[] = {
        {"mixed endings", "a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}},
        {"no line end after the last line", "ab\r\ncd", {"ab", "cd"}},
        {"empty lines", "a\r\n\r\nb\r\rc", {"a", "", "b", "", "c"}},
        {"line feed then carriage return", "ab\n\rcd", {"ab", "", "cd"}},
        {"nothing at all", "", {}},
        {"other control bytes stay", std::string("a\0b\tc\r", 6), {std::string("a\0b\tc", 5)}},
    };
    for (const auto& [name, bytes, expected] : cases) {
        LineReader reader(bytes);
        Lines lines;
        while (const auto line = reader.Next()) lines.emplace_back(*line);
        EXPECT_EQ(lines, expected) << name;
        EXPECT_EQ(reader.LineNumber(), static_cast<int>(expected.size())) << name;
    }
}

TEST(ReadPositionLine, VariationThenPackedLatitudeAndLongitude) {
    // Expected: variation text, then the digits of the latitude and the longitude (DecodeDigits).
    const std::tuple<const char*, std::string, const char*, float> cases[] = {
        {"155 is 0 west", Bytes({155, 75, 49, 51, 105, 70, 39}), " 0W|451921|754009", 0},
        {"255 is 100 west, five digits get seconds", Bytes({255, 75, 49, 51, 153, 60}),
         " 100W|451921|1233000", 100},
        {"52 is minus 3 east, seven digits", Bytes({52, 75, 49, 51, 153, 60, 45}),
         "-3E|451921|1233015", 3},
        {"154 is 99 east, nothing else", Bytes({154}), " 99E||", -99},
        {"55 is 0 east, short latitude", Bytes({55, 75}), " 0E|45|", 0},
        {"empty line", "", "||", 0},
    };
    for (const auto& [name, line, texts, westDeg] : cases) {
        const PositionLine position = ReadPositionLine(line);
        EXPECT_EQ(position.variationText + "|" + DecodeDigits(position.latPacked) + "|" +
                      DecodeDigits(position.lonPacked),
                  texts)
            << name;
        EXPECT_EQ(VariationWestDegrees(position.variationText), westDeg) << name;
    }
}

TEST(Coordinates, DegreesAndDottedTextOfDigits) {
    const std::tuple<const char*, const char*, bool, double, const char*> cases[] = {
        {"longitude below 100 read as a latitude", "754009", true, 75 + 40 / 60.0 + 9 / 3600.0,
         "75.40.09"},
        {"three-digit longitude", "1221833", true, 122 + 18 / 60.0 + 33 / 3600.0, "122.18.33"},
        {"15 degrees 30 reads as 153", "153000", true, 153, "153.00.00"},
        {"latitude of short digits", "4519", false, 45 + 19 / 60.0, "45.19.19"},
    };
    for (const auto& [name, digits, longitude, degrees, dotted] : cases) {
        EXPECT_EQ(longitude ? LongitudeFromDigits(digits) : LatitudeFromDigits(digits),
                  static_cast<float>(degrees))
            << name;
        EXPECT_EQ(longitude ? DottedLongitude(digits) : DottedLatitude(digits), dotted) << name;
    }
}

TEST(RecordReader, StopsAtTheEndRecordThePhysicalEndOrTheLimit) {
    const std::string record = "A XAAA\r\n" + Bytes({168, 75, 49, 51, 105, 70, 39}) + "\r\n";
    const std::tuple<const char*, std::string, int, int, RecordsEnd> cases[] = {
        {"end record", record + record + "99\r\n" + record, kMaxRecords, 2, RecordsEnd::kEndRecord},
        {"99 with a blank is a name", record + "99 \r\n" + record, kMaxRecords, 2,
         RecordsEnd::kTruncated},
        {"no end record", record + record, kMaxRecords, 2, RecordsEnd::kPhysicalEnd},
        {"limit reached", record + record + record, 2, 2, RecordsEnd::kRecordLimit},
        {"end record counts towards the limit", record + "99\r\n", 1, 1, RecordsEnd::kRecordLimit},
        {"end record as the last allowed", record + "99\r\n", 2, 1, RecordsEnd::kEndRecord},
    };
    for (const auto& [name, bytes, limit, records, end] : cases) {
        RecordReader reader(bytes, limit);
        while (reader.Next()) {
        }
        EXPECT_EQ(reader.Count(), records) << name;
        EXPECT_EQ(reader.End(), end) << name;
        EXPECT_FALSE(reader.Next()) << name;
    }
}

TEST(LetterPairs, CompressAndExpand) {
    // A name text and its line in the file; nullopt where the text cannot be stored.
    const std::tuple<const char*, std::string, std::optional<std::string>> cases[] = {
        {"bytes up to 90 stand for themselves", std::string("\0 1-Z", 5), std::string("\0 1-Z", 5)},
        {"first pair", "ON", Bytes({91})},
        {"lower-case a is pair 7", "RE", "a"},
        {"last pair", "KE", Bytes({255})},
        {"pairs from the left", "XCYOWO", Bytes({'X', 93, 209, 'O'})},
        {"byte 91", "A[B", std::nullopt},
        {"carriage return", "A\rB", std::nullopt},
        {"line feed", "A\nB", std::nullopt},
    };
    for (const auto& [name, text, line] : cases) {
        EXPECT_EQ(CompressLetterPairs(text), line) << name;
        if (line) {
            EXPECT_EQ(ExpandLetterPairs(*line), text) << name;
        }
    }
}

TEST(EncodeRecord, WritesOrRefuses) {
    const std::tuple<const char*, AerodromeRecord, const char*, std::string> cases[] = {
        {"region and identifier after the name, raised",
         {"cyow", "Ottawa Macdonald-Cartier Intl", "on", 13, 45.3225, 75.6691667},
         "OTTAWA MACDONALD-CARTIER INTL ON CYOW",
         Bytes({168, 75, 49, 51, 105, 70, 39})},
        {"no region, the largest values",
         {"YOW", "A", "", 100, 90, 180},
         "A YOW",
         Bytes({255, 120, 30, 30, 210, 30, 30})},
        {"99 east, just below 10 west",
         {"X9Z9", "A", "", -99, 0, 9.5},
         "A X9Z9",
         Bytes({154, 30, 30, 30, 39, 60, 30})},
        {"0 west, 20 west, seconds carried into the degrees",
         {"CYOW", "A", "", 0, 45 + 59.9996 / 60, 20},
         "A CYOW",
         Bytes({155, 76, 30, 30, 50, 30, 30})},
        {"identifier of two", {"YO", "OTTAWA", "ON", 13, 45, 75}, nullptr, ""},
        {"identifier of five", {"CYOWX", "OTTAWA", "ON", 13, 45, 75}, nullptr, ""},
        {"identifier with a dash", {"C-OW", "OTTAWA", "ON", 13, 45, 75}, nullptr, ""},
        {"name with an accent", {"CYOW", "CAF\xC9", "QC", 13, 45, 75}, nullptr, ""},
        {"variation 101 west", {"CYOW", "OTTAWA", "ON", 101, 45, 75}, nullptr, ""},
        {"variation 100 east", {"CYOW", "OTTAWA", "ON", -100, 45, 75}, nullptr, ""},
        {"latitude south", {"CYOW", "OTTAWA", "ON", 13, -1, 75}, nullptr, ""},
        {"latitude past the pole", {"CYOW", "OTTAWA", "ON", 13, 90.5, 75}, nullptr, ""},
        {"longitude east", {"CYOW", "OTTAWA", "ON", 13, 45, -1}, nullptr, ""},
        {"longitude 19 west", {"CYOW", "OTTAWA", "ON", 13, 45, 19.5}, nullptr, ""},
        {"longitude rounding up to 10", {"CYOW", "OTTAWA", "ON", 13, 45, 9.99999}, nullptr, ""},
        {"longitude past 180", {"CYOW", "OTTAWA", "ON", 13, 45, 180.5}, nullptr, ""},
    };
    for (const auto& [name, record, nameLine, position] : cases) {
        const EncodeResult encoded = EncodeRecord(record);
        EXPECT_EQ(encoded.problem.empty(), nameLine != nullptr) << name;
        if (!nameLine) {
            EXPECT_FALSE(encoded.bytes) << name;
            continue;
        }
        const std::string bytes = encoded.bytes.value_or("");
        LineReader lines(bytes);
        EXPECT_EQ(ExpandLetterPairs(lines.Next().value_or("")), nameLine) << name;
        EXPECT_EQ(lines.Next(), position) << name;
        EXPECT_FALSE(lines.Next()) << name;
    }
}

}  // namespace
}  // namespace aerlith
