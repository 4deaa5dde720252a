#include "nav/aerodrome_codec.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <limits>

#include "calc/number_format.h"
#include "calc/number_reading.h"
#include "tables/ascii_text.h"
#include "tables/text_tables.h"

namespace aerlith {

namespace {

constexpr int kFirstPairByte = 91;
constexpr int kLastPairByte = 255;
constexpr int kPairByteOffset = 90;
// One entry for each pair of bytes, keyed by first byte * 256 + second byte.
constexpr std::size_t kBytePairKeys = 256 * 256;

unsigned char ByteAt(std::string_view text, std::size_t index) {
    return static_cast<unsigned char>(text[index]);
}

/// The `length` characters from 1-based `start`, fewer at the end; empty past the end.
std::string_view Mid(std::string_view text, std::size_t start, std::size_t length) {
    if (start < 1 || start > text.size()) return {};
    return text.substr(start - 1, length);
}

std::string_view Left(std::string_view text, std::size_t length) { return text.substr(0, length); }

std::string_view Right(std::string_view text, std::size_t length) {
    return length >= text.size() ? text : text.substr(text.size() - length);
}

/// Byte that stands for each two-letter pair of the table, 0 where none does. A pair that
/// appeared twice would keep its first byte, so decoding still gives the same letters.
const std::array<unsigned char, kBytePairKeys>& PairBytes() {
    static const std::array<unsigned char, kBytePairKeys> table = [] {
        std::array<unsigned char, kBytePairKeys> bytes{};
        for (int index = 1; index < kLetterPairCount; ++index) {
            const auto pair = LetterPair(index);
            if (!pair || pair->size() != 2) continue;
            const auto key = static_cast<std::size_t>(ByteAt(*pair, 0)) * 256 + ByteAt(*pair, 1);
            if (bytes[key] == 0) bytes[key] = static_cast<unsigned char>(index + kPairByteOffset);
        }
        return bytes;
    }();
    return table;
}

/// What one byte of a name line expands to: one character or two letters.
struct Expansion {
    std::array<char, 2> text{};
    unsigned char length = 0;
};

/// Every byte's expansion, looked up once. Every name line of a search is expanded, so this is
/// the innermost loop of the scan; a table without a branch per byte keeps it fast.
const std::array<Expansion, 256>& ExpansionsByByte() {
    static const std::array<Expansion, 256> table = [] {
        std::array<Expansion, 256> expansions{};
        for (int byte = 0; byte < kFirstPairByte; ++byte) {
            expansions[static_cast<std::size_t>(byte)] = {{static_cast<char>(byte), '\0'}, 1};
        }
        for (int byte = kFirstPairByte; byte <= kLastPairByte; ++byte) {
            const auto pair = LetterPair(byte - kPairByteOffset);
            if (pair && pair->size() == 2) {
                expansions[static_cast<std::size_t>(byte)] = {{(*pair)[0], (*pair)[1]}, 2};
            }
        }
        return expansions;
    }();
    return table;
}

bool IsIdentifierCharacter(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

}  // namespace

std::optional<std::string_view> LineReader::Next() {
    if (position_ >= bytes_.size()) return std::nullopt;
    const std::size_t start = position_;
    // The next carriage return and the next line feed are each searched for (memchr) only once
    // the reader has passed the last one found, so either kind of file is scanned once.
    if (carriageReturnEnd_ <= start) {
        carriageReturnEnd_ = std::min(bytes_.find('\r', start), bytes_.size()) + 1;
    }
    if (lineFeedEnd_ <= start) lineFeedEnd_ = std::min(bytes_.find('\n', start), bytes_.size()) + 1;
    const std::size_t end = std::min(carriageReturnEnd_, lineFeedEnd_) - 1;
    ++lineNumber_;
    if (end == bytes_.size()) {
        position_ = bytes_.size();
        return bytes_.substr(start);
    }
    position_ = end + 1;
    if (bytes_[end] == '\r' && position_ < bytes_.size() && bytes_[position_] == '\n') {
        ++position_;
    }
    return bytes_.substr(start, end - start);
}

const RawRecord* RecordReader::Next() {
    if (end_ != RecordsEnd::kNotYet) return nullptr;
    if (examined_ >= limit_) {
        end_ = RecordsEnd::kRecordLimit;
        return nullptr;
    }
    const auto nameLine = lines_.Next();
    if (!nameLine) {
        end_ = RecordsEnd::kPhysicalEnd;
        return nullptr;
    }
    ++examined_;
    current_.nameLineNumber = lines_.LineNumber();
    ExpandLetterPairsInto(*nameLine, current_.nameLine);
    if (current_.nameLine == kEndRecordName) {
        end_ = RecordsEnd::kEndRecord;
        endRecordLine_ = current_.nameLineNumber;
        return nullptr;
    }
    const auto positionLine = lines_.Next();
    if (!positionLine) {
        end_ = RecordsEnd::kTruncated;
        return nullptr;
    }
    current_.positionLine = *positionLine;
    ++count_;
    return &current_;
}

std::string ExpandLetterPairs(std::string_view line) {
    std::string text;
    ExpandLetterPairsInto(line, text);
    return text;
}

void ExpandLetterPairsInto(std::string_view line, std::string& text) {
    const auto& expansions = ExpansionsByByte();
    text.resize(line.size() * 2);
    char* out = text.data();
    for (const char c : line) {
        const Expansion& expansion = expansions[static_cast<unsigned char>(c)];
        out[0] = expansion.text[0];
        out[1] = expansion.text[1];
        out += expansion.length;
    }
    text.resize(static_cast<std::size_t>(out - text.data()));
}

PositionLine ReadPositionLine(std::string_view line) {
    PositionLine position;
    if (line.empty()) return position;
    const int variationByte = ByteAt(line, 0);
    const bool west = variationByte >= kVariationWestBase;
    const int degrees = variationByte - (west ? kVariationWestBase : kVariationEastBase);
    position.variationText = SignedNumberText(degrees).value_or(std::string());
    position.variationText.push_back(west ? 'W' : 'E');
    position.latPacked = std::string(Mid(line, 2, 3));
    position.lonPacked = TextAfter(line, 4);
    return position;
}

std::string DecodeDigits(std::string_view packed) {
    std::string digits;
    for (std::size_t i = 0; i < packed.size(); ++i) {
        std::string piece = NumberText(ByteAt(packed, i) - kPackedDigitBase);
        if (piece.size() == 1) piece.insert(piece.begin(), '0');
        digits += piece;
    }
    if (digits.size() == 5) digits += "00";
    return digits;
}

std::string TextAfter(std::string_view text, std::int32_t n) {
    if (n < 1) return std::string(text);
    const auto skip = static_cast<std::size_t>(n);
    return skip >= text.size() ? std::string() : std::string(text.substr(skip));
}

double NumberAt(std::string_view text, std::int32_t start, std::int32_t length) {
    if (start < 1 || length < 1) return 0.0;
    return ReadLeadingNumber(
        Mid(text, static_cast<std::size_t>(start), static_cast<std::size_t>(length)));
}

std::string NumberText(std::int32_t value) {
    return FormatGeneral(static_cast<double>(value)).value_or(std::string());
}

float LatitudeFromDigits(std::string_view digits) {
    return static_cast<float>(NumberAt(digits, 1, 2) + NumberAt(digits, 3, 2) / 60.0 +
                              NumberAt(digits, 5, 2) / 3600.0);
}

float LongitudeFromDigits(std::string_view digits) {
    if (!digits.empty() && digits.front() == '1') {
        return static_cast<float>(NumberAt(digits, 1, 3) + NumberAt(digits, 4, 2) / 60.0 +
                                  NumberAt(digits, 6, 2) / 3600.0);
    }
    return LatitudeFromDigits(digits);
}

std::string DottedLatitude(std::string_view digits) {
    std::string text(Left(digits, 2));
    text += '.';
    text += Mid(digits, 3, 2);
    text += '.';
    text += Right(digits, 2);
    return text;
}

std::string DottedLongitude(std::string_view digits) {
    if (digits.empty() || digits.front() != '1') return DottedLatitude(digits);
    std::string text(Left(digits, 3));
    text += '.';
    text += Mid(digits, 4, 2);
    text += '.';
    text += Right(digits, 2);
    return text;
}

std::string IdentifierOf(std::string_view nameLine) {
    return UpperAscii(Right(TrimTrailingBlanks(nameLine), 4));
}

float VariationWestDegrees(std::string_view variationText) {
    double degrees = ReadLeadingNumber(variationText);
    if (!variationText.empty() && ToUpperAscii(variationText.back()) == 'E') degrees = -degrees;
    return static_cast<float>(degrees);
}

bool IsNameByte(unsigned char byte) {
    return byte < kFirstPairByte && byte != '\r' && byte != '\n';
}

std::optional<std::string> CompressLetterPairs(std::string_view text) {
    const auto& pairBytes = PairBytes();
    std::string line;
    line.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        if (!IsNameByte(ByteAt(text, i))) return std::nullopt;
        if (i + 1 < text.size()) {
            const auto key = static_cast<std::size_t>(ByteAt(text, i)) * 256 + ByteAt(text, i + 1);
            if (pairBytes[key] != 0) {
                line.push_back(static_cast<char>(pairBytes[key]));
                i += 2;
                continue;
            }
        }
        line.push_back(text[i]);
        ++i;
    }
    return line;
}

std::optional<std::string> PackCoordinate(double degrees) {
    // Every group, degrees too, is one byte: the largest byte value less the base.
    constexpr double kMaxGroup = std::numeric_limits<unsigned char>::max() - kPackedDigitBase;
    if (!std::isfinite(degrees) || degrees < 0.0 || degrees > kMaxGroup + 1.0) return std::nullopt;
    const auto totalSeconds = static_cast<std::int64_t>(std::round(degrees * 3600.0));
    const std::int64_t wholeDegrees = totalSeconds / 3600;
    if (wholeDegrees > static_cast<std::int64_t>(kMaxGroup)) return std::nullopt;
    const std::int64_t groups[] = {wholeDegrees, (totalSeconds % 3600) / 60, totalSeconds % 60};
    std::string packed;
    for (const std::int64_t group : groups) {
        packed.push_back(static_cast<char>(static_cast<unsigned char>(group + kPackedDigitBase)));
    }
    return packed;
}

EncodeResult EncodeRecord(const AerodromeRecord& record) {
    EncodeResult result;
    const std::string ident = UpperAscii(record.ident);
    if (ident.size() < 3 || ident.size() > 4) {
        result.problem = "identifier must have 3 or 4 characters";
        return result;
    }
    for (const char c : ident) {
        if (!IsIdentifierCharacter(c)) {
            result.problem = "identifier may hold only letters A-Z and digits";
            return result;
        }
    }
    std::string text = UpperAscii(record.name);
    const std::string region = UpperAscii(record.region);
    if (!region.empty()) text += ' ' + region;
    text += ' ' + ident;
    const auto nameLine = CompressLetterPairs(text);
    if (!nameLine) {
        result.problem =
            "name or region holds a character that cannot be stored "
            "(only upper-case ASCII letters, digits, blanks and ASCII punctuation)";
        return result;
    }
    // East stops one byte below the west base; west runs up to the largest byte value.
    constexpr int kMostEastDeg = kVariationWestBase - 1 - kVariationEastBase;
    constexpr int kMostWestDeg = std::numeric_limits<unsigned char>::max() - kVariationWestBase;
    if (record.variationWestDeg < -kMostEastDeg || record.variationWestDeg > kMostWestDeg) {
        result.problem = "variation must lie between 99 degrees east and 100 degrees west";
        return result;
    }
    const int variationByte = record.variationWestDeg >= 0
                                  ? kVariationWestBase + record.variationWestDeg
                                  : kVariationEastBase - record.variationWestDeg;
    const auto latitude = PackCoordinate(record.latitudeDeg);
    if (!latitude || record.latitudeDeg > 90.0) {
        result.problem = "latitude must lie between 0 and 90 degrees north";
        return result;
    }
    const auto longitude = PackCoordinate(record.longitudeDeg);
    if (!longitude || record.longitudeDeg > 180.0) {
        result.problem = "longitude must lie between 0 and 180 degrees west";
        return result;
    }
    const int longitudeDegrees = ByteAt(*longitude, 0) - kPackedDigitBase;
    if (longitudeDegrees >= 10 && longitudeDegrees <= 19) {
        // Degrees 10 to 19 give digits starting with "1", which read as three-digit degrees.
        result.problem = "longitudes from 10 to 19 degrees west cannot be stored";
        return result;
    }
    std::string bytes = *nameLine + "\r\n";
    bytes.push_back(static_cast<char>(static_cast<unsigned char>(variationByte)));
    bytes += *latitude + *longitude + "\r\n";
    result.bytes = std::move(bytes);
    return result;
}

std::string EncodeEndRecord() { return std::string(kEndRecordName) + "\r\n"; }

}  // namespace aerlith
