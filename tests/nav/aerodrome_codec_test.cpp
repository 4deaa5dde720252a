#include "nav/aerodrome_codec.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace aerlith {
namespace {

std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values) bytes.push_back(static_cast<char>(value));
    return bytes;
}

struct LineCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

TEST(LineReader, SplitsAtEveryKindOfLineEnd) {
    const LineCase cases[] = {
        {"carriage return", "ab\rcd\r", {"ab", "cd"}},
        {"carriage return and line feed", "ab\r\ncd\r\n", {"ab", "cd"}},
        {"lone line feed", "ab\ncd\n", {"ab", "cd"}},
        {"no line end after the last line", "ab\r\ncd", {"ab", "cd"}},
        {"empty line between two", "ab\r\n\r\ncd", {"ab", "", "cd"}},
        {"two carriage returns", "ab\r\rcd", {"ab", "", "cd"}},
        {"line feed then carriage return", "ab\n\rcd", {"ab", "", "cd"}},
        {"mixed endings across lines", "a\r\nb\nc\rd\n\ne", {"a", "b", "c", "d", "", "e"}},
        {"nothing at all", "", {}},
        {"a line end alone", "\r\n", {""}},
        {"other control bytes stay",
         std::string("a\0b\tc\x1a", 6) + "\r",
         {std::string("a\0b\tc\x1a", 6)}},
    };
    for (const auto& c : cases) {
        LineReader reader(c.bytes);
        std::vector<std::string> lines;
        while (const auto line = reader.Next()) lines.emplace_back(*line);
        EXPECT_EQ(lines, c.lines) << c.name;
        EXPECT_EQ(reader.LineNumber(), static_cast<int>(c.lines.size())) << c.name;
    }
}

TEST(ExpandLetterPairs, BytesUpTo90StandForThemselves) {
    EXPECT_EQ(ExpandLetterPairs("Z"), "Z");
    EXPECT_EQ(ExpandLetterPairs("OTTAWA, ON (CYOW) 1-2"), "OTTAWA, ON (CYOW) 1-2");
}

TEST(ExpandLetterPairs, PairBytesGiveTheirLetters) {
    struct Case {
        const char* name;
        int byte;
        const char* letters;
    };
    const Case cases[] = {
        {"first pair", 91, "ON"}, {"second pair", 92, "BC"},    {"lower-case a", 97, "RE"},
        {"Quebec", 111, "QC"},    {"heliport mark", 112, "(H"}, {"seaplane mark", 117, "(S"},
        {"row 181", 181, "CT"},   {"Nova Scotia", 190, "NS"},   {"last pair", 255, "KE"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ExpandLetterPairs(Bytes({c.byte})), c.letters) << c.name;
    }
    EXPECT_EQ(ExpandLetterPairs(Bytes({'X', 91, ' ', 255, 'Y'})), "XON KEY");
}

TEST(ReadPositionLine, VariationByteGivesSignedTextAndLetter) {
    struct Case {
        const char* name;
        int byte;
        const char* text;
        float westDegrees;
    };
    const Case cases[] = {
        {"155 is 0 degrees west", 155, " 0W", 0.0f},
        {"154 is 99 degrees east", 154, " 99E", -99.0f},
        {"55 is 0 degrees east", 55, " 0E", 0.0f},
        {"169 is 14 degrees west", 169, " 14W", 14.0f},
        {"67 is 12 degrees east", 67, " 12E", -12.0f},
        {"255 is 100 degrees west", 255, " 100W", 100.0f},
        {"52 is minus 3 east, so 3 west", 52, "-3E", 3.0f},
    };
    for (const auto& c : cases) {
        const PositionLine position = ReadPositionLine(Bytes({c.byte, 75, 49, 51, 105, 70, 39}));
        EXPECT_EQ(position.variationText, c.text) << c.name;
        EXPECT_EQ(VariationWestDegrees(position.variationText), c.westDegrees) << c.name;
    }
}

TEST(ReadPositionLine, SplitsLatitudeAndLongitudeBytes) {
    const PositionLine full = ReadPositionLine(Bytes({168, 75, 49, 51, 183, 60}));
    EXPECT_EQ(full.latPacked, Bytes({75, 49, 51}));
    EXPECT_EQ(full.lonPacked, Bytes({183, 60}));

    const PositionLine empty = ReadPositionLine("");
    EXPECT_EQ(empty.variationText, "");
    EXPECT_EQ(empty.latPacked, "");
    EXPECT_EQ(empty.lonPacked, "");

    const PositionLine four = ReadPositionLine(Bytes({168, 75, 49, 51}));
    EXPECT_EQ(four.latPacked, Bytes({75, 49, 51}));
    EXPECT_EQ(four.lonPacked, "");

    const PositionLine two = ReadPositionLine(Bytes({168, 75}));
    EXPECT_EQ(two.latPacked, Bytes({75}));
    EXPECT_EQ(two.lonPacked, "");
}

TEST(DecodeDigits, PadsGroupsAndCompletesThreeDigitDegrees) {
    struct Case {
        const char* name;
        std::string packed;
        const char* digits;
    };
    const Case cases[] = {
        {"latitude 45 19 21", Bytes({75, 49, 51}), "451921"},
        {"longitude 75 40 09", Bytes({105, 70, 39}), "754009"},
        {"longitude 123 30 without seconds", Bytes({153, 60}), "1233000"},
        {"longitude 123 30 15", Bytes({153, 60, 45}), "1233015"},
        {"zero groups", Bytes({30, 30, 30}), "000000"},
        {"byte below 30 gives a minus sign", Bytes({29}), "-1"},
        {"nothing", "", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DecodeDigits(c.packed), c.digits) << c.name;
}

TEST(Coordinates, DigitsToDegreesAndDottedTexts) {
    EXPECT_EQ(LatitudeFromDigits("451921"), static_cast<float>(45.0 + 19.0 / 60 + 21.0 / 3600));
    EXPECT_EQ(DottedLatitude("451921"), "45.19.21");
    EXPECT_EQ(LongitudeFromDigits("754009"), static_cast<float>(75.0 + 40.0 / 60 + 9.0 / 3600));
    EXPECT_EQ(DottedLongitude("754009"), "75.40.09");
    EXPECT_EQ(LongitudeFromDigits("1233000"), 123.5f);
    EXPECT_EQ(DottedLongitude("1233000"), "123.30.00");
    // Fifteen degrees thirty reads as one hundred and fifty-three degrees: the format cannot
    // tell them apart, so the encoder refuses such longitudes.
    EXPECT_EQ(LongitudeFromDigits("153000"), 153.0f);
    EXPECT_EQ(LatitudeFromDigits(""), 0.0f);
    EXPECT_EQ(DottedLatitude(""), "..");
    EXPECT_EQ(DottedLatitude("4519"), "45.19.19");
}

TEST(NumberAt, ReadsPartsAndGivesZeroOutside) {
    struct Case {
        const char* name;
        const char* text;
        int start;
        int length;
        double value;
    };
    const Case cases[] = {
        {"middle pair", "451921", 3, 2, 19.0},    {"three digits", "1233000", 1, 3, 123.0},
        {"cut at the end", "451921", 6, 2, 1.0},  {"past the end", "451921", 7, 2, 0.0},
        {"start 0", "451921", 0, 2, 0.0},         {"length 0", "451921", 1, 0, 0.0},
        {"negative start", "451921", -3, 2, 0.0}, {"minus sign", "-1", 1, 2, -1.0},
    };
    for (const auto& c : cases) EXPECT_EQ(NumberAt(c.text, c.start, c.length), c.value) << c.name;
}

TEST(IdentifierOf, TakesTheLastFourCharactersAfterTrailingBlanks) {
    EXPECT_EQ(IdentifierOf("OTTAWA ON CYOW"), "CYOW");
    EXPECT_EQ(IdentifierOf("OTTAWA ON CYOW   "), "CYOW");
    EXPECT_EQ(IdentifierOf("OTTAWA ON YOW"), " YOW");
    EXPECT_EQ(IdentifierOf("lower cyow"), "CYOW");
    EXPECT_EQ(IdentifierOf("AB"), "AB");
    EXPECT_EQ(IdentifierOf("    "), "");
}

TEST(RecordReader, StopsAtTheEndRecordOrThePhysicalEnd) {
    const std::string record = "A XAAA\r\n" + Bytes({168, 75, 49, 51, 105, 70, 39}) + "\r\n";
    struct Case {
        const char* name;
        std::string bytes;
        int limit;
        int records;
        RecordsEnd end;
    };
    const Case cases[] = {
        {"end record", record + record + "99\r\n" + record, kMaxRecords, 2, RecordsEnd::kEndRecord},
        {"end record without line end", record + "99", kMaxRecords, 1, RecordsEnd::kEndRecord},
        {"99 with a blank is a name", record + "99 \r\n" + record.substr(8), kMaxRecords, 2,
         RecordsEnd::kPhysicalEnd},
        {"no end record", record + record, kMaxRecords, 2, RecordsEnd::kPhysicalEnd},
        {"name line without position line", record + "B XBBB\r\n", kMaxRecords, 1,
         RecordsEnd::kTruncated},
        {"empty file", "", kMaxRecords, 0, RecordsEnd::kPhysicalEnd},
        {"limit reached", record + record + record, 2, 2, RecordsEnd::kRecordLimit},
        {"end record counts towards the limit", record + "99\r\n", 1, 1, RecordsEnd::kRecordLimit},
        {"end record as the last allowed", record + "99\r\n", 2, 1, RecordsEnd::kEndRecord},
    };
    for (const auto& c : cases) {
        RecordReader reader(c.bytes, c.limit);
        int count = 0;
        while (reader.Next()) ++count;
        EXPECT_EQ(count, c.records) << c.name;
        EXPECT_EQ(reader.Count(), c.records) << c.name;
        EXPECT_EQ(reader.End(), c.end) << c.name;
        EXPECT_FALSE(reader.Next()) << c.name;
    }
}

TEST(RecordReader, DecodesTheNameLineAndKeepsLineNumbers) {
    const std::string bytes = Bytes({'X', 91, ' ', 'C', 'Y', 'O', 'W'}) + "\r\n" +
                              Bytes({168, 75}) + "\n" + "SECOND XSEC\r" + Bytes({155}) + "\r";
    RecordReader reader(bytes);
    const auto first = reader.Next();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->nameLine, "XON CYOW");
    EXPECT_EQ(first->positionLine, Bytes({168, 75}));
    EXPECT_EQ(first->nameLineNumber, 1);
    const auto second = reader.Next();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->nameLineNumber, 3);
    EXPECT_EQ(reader.End(), RecordsEnd::kNotYet);
}

// --- Writing -------------------------------------------------------------------------------

std::vector<unsigned char> NameBytes() {
    std::vector<unsigned char> bytes;
    for (int byte = 0; byte <= 255; ++byte) {
        if (IsNameByte(static_cast<unsigned char>(byte)))
            bytes.push_back(static_cast<unsigned char>(byte));
    }
    return bytes;
}

TEST(CompressLetterPairs, EveryNameByteAndEveryPairOfThemRoundTrips) {
    const auto bytes = NameBytes();
    for (const unsigned char first : bytes) {
        const std::string one(1, static_cast<char>(first));
        const auto line = CompressLetterPairs(one);
        ASSERT_TRUE(line) << "byte " << int{first};
        EXPECT_EQ(ExpandLetterPairs(*line), one) << "byte " << int{first};
        for (const unsigned char second : bytes) {
            const std::string two{static_cast<char>(first), static_cast<char>(second)};
            const auto pairLine = CompressLetterPairs(two);
            ASSERT_TRUE(pairLine);
            EXPECT_EQ(ExpandLetterPairs(*pairLine), two) << int{first} << "," << int{second};
        }
    }
}

TEST(CompressLetterPairs, ShortensTablePairsAndRefusesOtherBytes) {
    EXPECT_EQ(CompressLetterPairs("ON"), Bytes({91}));
    EXPECT_EQ(CompressLetterPairs("KE"), Bytes({255}));
    // CY is pair 3 (byte 93), OW pair 119 (byte 209); greedy from the left.
    EXPECT_EQ(CompressLetterPairs("CYOW"), Bytes({93, 209}));
    EXPECT_EQ(CompressLetterPairs("XCYO"), Bytes({'X', 93, 'O'}));
    EXPECT_EQ(ExpandLetterPairs(*CompressLetterPairs("OTTAWA ON CYOW")), "OTTAWA ON CYOW");
    EXPECT_LT(CompressLetterPairs("MONTREAL QC CYUL")->size(),
              std::string("MONTREAL QC CYUL").size());
    EXPECT_FALSE(CompressLetterPairs("lower"));
    EXPECT_FALSE(CompressLetterPairs("A[B"));
    EXPECT_FALSE(CompressLetterPairs("A\rB"));
    EXPECT_FALSE(CompressLetterPairs("A\nB"));
    EXPECT_FALSE(CompressLetterPairs(Bytes({'A', 200})));
}

TEST(EncodeRecord, RoundTripsEveryVariationByte) {
    for (int west = -99; west <= 100; ++west) {
        AerodromeRecord record{"CYOW", "OTTAWA", "ON", west, 45.0, 75.0};
        const EncodeResult encoded = EncodeRecord(record);
        ASSERT_TRUE(encoded.bytes) << west << ": " << encoded.problem;
        RecordReader reader(*encoded.bytes);
        const auto read = reader.Next();
        ASSERT_TRUE(read);
        const int byte = static_cast<unsigned char>(read->positionLine[0]);
        EXPECT_EQ(byte, west >= 0 ? 155 + west : 55 - west) << west;
        const PositionLine position = ReadPositionLine(read->positionLine);
        EXPECT_EQ(VariationWestDegrees(position.variationText), static_cast<float>(west)) << west;
        EXPECT_EQ(position.variationText.back(), west >= 0 ? 'W' : 'E') << west;
    }
}

/// The degrees a coordinate reads back as from the file, computed as the decoder should.
float Expected(int degrees, int minutes, int seconds) {
    return static_cast<float>(degrees + minutes / 60.0 + seconds / 3600.0);
}

/// Every minute byte with the seconds at 30, and every second byte with the minutes at 30.
std::vector<std::pair<int, int>> MinutesAndSeconds() {
    std::vector<std::pair<int, int>> groups;
    for (int group = 0; group < 60; ++group) {
        groups.emplace_back(group, 30);
        groups.emplace_back(30, group);
    }
    return groups;
}

TEST(PackCoordinate, RoundTripsEveryLatitudeByte) {
    for (int degrees = 0; degrees <= 90; ++degrees) {
        for (const auto& [minutes, seconds] : MinutesAndSeconds()) {
            const auto packed = PackCoordinate(degrees + minutes / 60.0 + seconds / 3600.0);
            ASSERT_TRUE(packed);
            EXPECT_EQ(LatitudeFromDigits(DecodeDigits(*packed)),
                      Expected(degrees, minutes, seconds))
                << degrees << " " << minutes << " " << seconds;
        }
    }
}

TEST(PackCoordinate, RoundTripsEveryStorableLongitudeByte) {
    for (int degrees = 0; degrees < 180; ++degrees) {
        if (degrees >= 10 && degrees <= 19) continue;
        for (const auto& [minutes, seconds] : MinutesAndSeconds()) {
            const AerodromeRecord record{
                "XLON", "LONGITUDE", "", 0, 45.0, degrees + minutes / 60.0 + seconds / 3600.0};
            const EncodeResult encoded = EncodeRecord(record);
            ASSERT_TRUE(encoded.bytes) << degrees << ": " << encoded.problem;
            RecordReader reader(*encoded.bytes);
            const auto read = reader.Next();
            ASSERT_TRUE(read);
            const PositionLine position = ReadPositionLine(read->positionLine);
            EXPECT_EQ(LongitudeFromDigits(DecodeDigits(position.lonPacked)),
                      Expected(degrees, minutes, seconds))
                << degrees << " " << minutes << " " << seconds;
        }
    }
    const auto west180 = PackCoordinate(180.0);
    ASSERT_TRUE(west180);
    EXPECT_EQ(LongitudeFromDigits(DecodeDigits(*west180)), 180.0f);
}

TEST(PackCoordinate, RoundsToTheNearestSecondWithCarry) {
    EXPECT_EQ(PackCoordinate(45.0 + 59.0 / 60 + 59.6 / 3600), Bytes({76, 30, 30}));
    EXPECT_EQ(PackCoordinate(45.0 + 19.0 / 60 + 21.4 / 3600), Bytes({75, 49, 51}));
    EXPECT_FALSE(PackCoordinate(-0.5));
    EXPECT_FALSE(PackCoordinate(std::nan("")));
    EXPECT_FALSE(PackCoordinate(226.0));
}

TEST(EncodeRecord, WritesTheNameLineWithRegionAndIdentifier) {
    const EncodeResult encoded =
        EncodeRecord({"cyow", "Ottawa Macdonald-Cartier Intl", "on", 13, 45.3225, 75.6691667});
    ASSERT_TRUE(encoded.bytes) << encoded.problem;
    const std::string file = *encoded.bytes + EncodeEndRecord();
    RecordReader reader(file);
    const auto read = reader.Next();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->nameLine, "OTTAWA MACDONALD-CARTIER INTL ON CYOW");
    EXPECT_EQ(read->positionLine, Bytes({168, 75, 49, 51, 105, 70, 39}));
    EXPECT_FALSE(reader.Next());
    EXPECT_EQ(reader.End(), RecordsEnd::kEndRecord);

    const EncodeResult noRegion = EncodeRecord({"YOW", "OTTAWA", "", 13, 45.3225, 75.6691667});
    ASSERT_TRUE(noRegion.bytes);
    EXPECT_EQ(ExpandLetterPairs(noRegion.bytes->substr(0, noRegion.bytes->find('\r'))),
              "OTTAWA YOW");
}

TEST(EncodeRecord, RefusesWhatCannotBeStored) {
    struct Case {
        const char* name;
        AerodromeRecord record;
    };
    const Case cases[] = {
        {"identifier of two", {"YO", "OTTAWA", "ON", 13, 45.0, 75.0}},
        {"identifier of five", {"CYOWX", "OTTAWA", "ON", 13, 45.0, 75.0}},
        {"identifier with a blank", {"C OW", "OTTAWA", "ON", 13, 45.0, 75.0}},
        {"identifier with a dash", {"C-OW", "OTTAWA", "ON", 13, 45.0, 75.0}},
        {"name with a bracket", {"CYOW", "OTTAWA [X]", "ON", 13, 45.0, 75.0}},
        {"name with an accent",
         {"CYOW",
          "MONTR\xC9"
          "AL",
          "QC", 13, 45.0, 75.0}},
        {"name with a line end", {"CYOW", "OTT\rAWA", "ON", 13, 45.0, 75.0}},
        {"variation 101 west", {"CYOW", "OTTAWA", "ON", 101, 45.0, 75.0}},
        {"variation 100 east", {"CYOW", "OTTAWA", "ON", -100, 45.0, 75.0}},
        {"latitude south", {"CYOW", "OTTAWA", "ON", 13, -1.0, 75.0}},
        {"latitude past the pole", {"CYOW", "OTTAWA", "ON", 13, 90.5, 75.0}},
        {"latitude not a number", {"CYOW", "OTTAWA", "ON", 13, std::nan(""), 75.0}},
        {"longitude east", {"CYOW", "OTTAWA", "ON", 13, 45.0, -1.0}},
        {"longitude 15 west", {"CYOW", "OTTAWA", "ON", 13, 45.0, 15.0}},
        {"longitude rounding up to 10", {"CYOW", "OTTAWA", "ON", 13, 45.0, 9.99999}},
        {"longitude past 180", {"CYOW", "OTTAWA", "ON", 13, 45.0, 180.5}},
    };
    for (const auto& c : cases) {
        const EncodeResult encoded = EncodeRecord(c.record);
        EXPECT_FALSE(encoded.bytes) << c.name;
        EXPECT_FALSE(encoded.problem.empty()) << c.name;
    }
}

}  // namespace
}  // namespace aerlith
