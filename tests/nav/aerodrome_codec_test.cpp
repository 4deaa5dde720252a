#include "nav/aerodrome_codec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "test_files.h"

namespace aerlith {
namespace {

TEST(LineReader, SplitsAtEveryKindOfLineEnd) {
    const std::tuple<const char*, std::string, std::vector<std::string>> cases[] = {
        {"mixed endings", "a\r\nb\nc\rd\r\n", {"a", "b", "c", "d"}},
        {"no line end after the last line", "ab\r\ncd", {"ab", "cd"}},
        {"empty lines", "a\r\n\r\nb\r\rc", {"a", "", "b", "", "c"}},
        {"line feed then carriage return", "ab\n\rcd", {"ab", "", "cd"}},
        {"nothing at all", "", {}},
        {"other control bytes stay", std::string("a\0b\tc\r", 6), {std::string("a\0b\tc", 5)}},
    };
    for (const auto& [name, bytes, expected] : cases) {
        LineReader reader(bytes);
        std::vector<std::string> lines;
        while (const auto line = reader.Next()) lines.emplace_back(*line);
        EXPECT_EQ(lines, expected) << name;
        EXPECT_EQ(reader.LineNumber(), static_cast<int>(expected.size())) << name;
    }
}

TEST(PositionLine, VariationLatitudeAndLongitude) {
    // Expected: variation text, dotted latitude and longitude, then each of them in degrees.
    const double ottawaLat = 45 + 19 / 60.0 + 21 / 3600.0;
    const std::tuple<const char*, std::string, const char*, float, double, double> cases[] = {
        {"155 is 0 west", Bytes({155, 75, 49, 51, 105, 70, 39}), " 0W|45.19.21|75.40.09", 0,
         ottawaLat, 75 + 40 / 60.0 + 9 / 3600.0},
        {"254 is 99 west, three-digit degrees", Bytes({254, 75, 49, 51, 152, 48, 63}),
         " 99W|45.19.21|122.18.33", 99, ottawaLat, 122 + 18 / 60.0 + 33 / 3600.0},
        {"255 is 100 west, no seconds", Bytes({255, 75, 49, 51, 153, 60}),
         " 100W|45.19.21|123.30.00", 100, ottawaLat, 123.5},
        {"52 is minus 3 east, 15 degrees read as 153", Bytes({52, 75, 49, 51, 45, 60, 30}),
         "-3E|45.19.21|153.00.00", 3, ottawaLat, 153},
        {"154 is 99 east, nothing else", Bytes({154}), " 99E|..|..", -99, 0, 0},
        {"55 is 0 east, two bytes", Bytes({55, 75, 49}), " 0E|45.19.19|..", 0, 45 + 19 / 60.0, 0},
        {"empty line", "", "|..|..", 0, 0, 0},
    };
    for (const auto& [name, line, texts, westDeg, latDeg, lonDeg] : cases) {
        const PositionLine position = ReadPositionLine(line);
        const std::string lat = DecodeDigits(position.latPacked);
        const std::string lon = DecodeDigits(position.lonPacked);
        EXPECT_EQ(position.variationText + "|" + DottedLatitude(lat) + "|" + DottedLongitude(lon),
                  texts)
            << name;
        EXPECT_EQ(VariationWestDegrees(position.variationText), westDeg) << name;
        EXPECT_EQ(LatitudeFromDigits(lat), static_cast<float>(latDeg)) << name;
        EXPECT_EQ(LongitudeFromDigits(lon), static_cast<float>(lonDeg)) << name;
    }
}

TEST(RecordReader, StopsAtTheEndRecordThePhysicalEndOrTheLimit) {
    const std::string record = "A XAAA\r\n" + Bytes({168, 75, 49, 51, 105, 70, 39}) + "\r\n";
    const std::tuple<const char*, std::string, int, int, RecordsEnd> cases[] = {
        {"end record", record + record + "99\r\n" + record, kMaxRecords, 2, RecordsEnd::kEndRecord},
        {"'99 ' is a name", record + "99 \r\n" + record, kMaxRecords, 2, RecordsEnd::kTruncated},
        {"no end record", record + record, kMaxRecords, 2, RecordsEnd::kPhysicalEnd},
        {"limit reached", record + record + record, 2, 2, RecordsEnd::kRecordLimit},
        {"end record counts towards the limit", record + "99\r\n", 1, 1, RecordsEnd::kRecordLimit},
        {"end record as the last allowed", record + "99\r\n", 2, 1, RecordsEnd::kEndRecord},
    };
    for (const auto& [name, bytes, limit, records, end] : cases) {
        RecordReader reader(bytes, limit);
        while (reader.Next()) continue;
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

// Past what EncodeRecord lets through: every group is one byte, so 225 degrees is the most.
TEST(PackCoordinate, EveryGroupFitsInAByte) {
    EXPECT_EQ(PackCoordinate(225 + 59 / 60.0 + 59 / 3600.0), Bytes({255, 89, 89}));
    EXPECT_FALSE(PackCoordinate(226));
}

TEST(EncodeRecord, WritesOrRefuses) {
    // A record, then its name line and position line as written; nullptr where it is refused.
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
        EXPECT_EQ(
            encoded.bytes.value_or("refused"),
            nameLine ? *CompressLetterPairs(nameLine) + "\r\n" + position + "\r\n" : "refused")
            << name;
    }
}

}  // namespace
}  // namespace aerlith
