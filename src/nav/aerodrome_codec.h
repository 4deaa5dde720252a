#pragma once
// The aerodrome file's byte format: two-line records (a name line compressed with the
// letter-pair table, then a position line of packed bytes), read and written. Everything works
// on raw bytes held in std::string / std::string_view; no character set is assumed.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aerlith {

/// A search examines at most this many records, the end record "99" included.
inline constexpr int kMaxRecords = 6700;
/// Data records a file can hold where a search finds them: the "99" record takes the last place.
inline constexpr int kMaxDataRecords = kMaxRecords - 1;
/// The name line that ends the file; nothing after it is read.
inline constexpr std::string_view kEndRecordName = "99";
/// Variation bytes: n degrees west is 155 + n (0 to 100), n degrees east is 55 + n (0 to 99).
inline constexpr int kVariationWestBase = 155;
inline constexpr int kVariationEastBase = 55;
/// A packed coordinate byte is 30 + k for the two-digit group k.
inline constexpr int kPackedDigitBase = 30;

/// Splits bytes into lines. A line ends at a carriage return, a carriage return followed by a
/// line feed, or a lone line feed (files saved by editors that write bare line feeds read the
/// same). The bytes after the last line end form one more line when there are any; an empty
/// line between two line ends is a line.
class LineReader {
public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    /// The next line without its line end; nullopt at the physical end of the bytes.
    std::optional<std::string_view> Next();

    /// 1-based number of the line that the last Next() returned (0 before the first).
    int LineNumber() const { return lineNumber_; }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    // One past the next carriage return and line feed found (the end of the bytes when there
    // is none); 0 until searched. Searched again once the reader has passed them.
    std::size_t carriageReturnEnd_ = 0;
    std::size_t lineFeedEnd_ = 0;
    int lineNumber_ = 0;
};

/// One record as read: the decoded name line and the raw position line.
struct RawRecord {
    std::string nameLine;           ///< after ExpandLetterPairs
    std::string_view positionLine;  ///< packed bytes, points into the reader's buffer
    int nameLineNumber = 0;         ///< 1-based line number of the name line in the file
};

/// Why a RecordReader stopped giving records.
enum class RecordsEnd {
    kNotYet,       ///< still reading
    kEndRecord,    ///< the "99" record was read
    kPhysicalEnd,  ///< the bytes ran out before a name line (no "99" record)
    kTruncated,    ///< a name line without its position line at the physical end
    kRecordLimit,  ///< `limit` records were read without reaching "99"
};

/// Reads records in file order until the "99" record, the physical end of the bytes or `limit`
/// records, whichever comes first (the "99" record counts towards the limit). Never reads stale
/// data: at the physical end it simply stops. The bytes must outlive the reader and its records.
class RecordReader {
public:
    explicit RecordReader(std::string_view bytes, int limit = kMaxRecords)
        : lines_(bytes), limit_(limit) {}

    /// The next record, valid until the following call; nullptr once reading has ended (see
    /// End()). The record's buffers are reused from call to call, so a scan allocates nothing
    /// per record.
    const RawRecord* Next();

    RecordsEnd End() const { return end_; }
    /// Records returned so far.
    int Count() const { return count_; }
    /// Line number of the "99" name line once End() is kEndRecord.
    int EndRecordLine() const { return endRecordLine_; }
    /// Lines read so far.
    int LinesRead() const { return lines_.LineNumber(); }

private:
    LineReader lines_;
    int limit_;
    int examined_ = 0;  // name lines read, the "99" one included
    int count_ = 0;
    int endRecordLine_ = 0;
    RawRecord current_;
    RecordsEnd end_ = RecordsEnd::kNotYet;
};

/// Name-line decoding: bytes up to 90 stand for themselves; a byte b from 91 to 255 stands for
/// the two letters of letter-pair table entry b - 90 (91 -> "ON", 255 -> "KE").
std::string ExpandLetterPairs(std::string_view line);

/// ExpandLetterPairs into `text`, replacing what it held (its storage is reused).
void ExpandLetterPairsInto(std::string_view line, std::string& text);

/// The decoded parts of a position line.
struct PositionLine {
    std::string
        variationText;      ///< sign place, degrees, "W" or "E" (" 14W"); empty for an empty line
    std::string latPacked;  ///< bytes 2 to 4
    std::string lonPacked;  ///< bytes 5 to the end
};

/// Position-line decoding. Byte 1 v gives the variation: v >= 155 is v - 155 degrees west,
/// otherwise v - 55 degrees east, written as a signed number text with the letter after it
/// (byte 155 -> " 0W", 154 -> " 99E", 52 -> "-3E"). Missing bytes give empty parts.
PositionLine ReadPositionLine(std::string_view line);

/// Packed coordinate to digits: each byte b gives the decimal text of b - 30, padded to two
/// characters with a leading "0" when it has one; a five-digit result gets "00" appended
/// (three-digit degrees with minutes and no seconds). 75,49,51 -> "451921"; 153,60 -> "1233000".
std::string DecodeDigits(std::string_view packed);

/// All characters after the first `n` (the whole text for n below 1; empty when the text has
/// n characters or fewer).
std::string TextAfter(std::string_view text, std::int32_t n);

/// Leading-number reading of the `length` characters of `text` from the 1-based position
/// `start` (fewer at the end of the text). 0 when start or length is below 1 or the characters
/// are missing.
double NumberAt(std::string_view text, std::int32_t start, std::int32_t length);

/// Decimal text of a whole value without the blank of the sign place (5 -> "5", -5 -> "-5").
std::string NumberText(std::int32_t value);

/// Latitude in degrees north from digits DDMMSS (computed in double, held as a single).
float LatitudeFromDigits(std::string_view digits);

/// Longitude in degrees west from digits: DDDMMSS when the first digit is "1", otherwise
/// DDMMSS. A longitude of 10 to 19 degrees cannot be told from three-digit degrees and is read
/// as such, which is why the encoder refuses it.
float LongitudeFromDigits(std::string_view digits);

/// Latitude digits as text: "451921" -> "45.19.21".
std::string DottedLatitude(std::string_view digits);

/// Longitude digits as text: "1233000" -> "123.30.00", "754009" -> "75.40.09".
std::string DottedLongitude(std::string_view digits);

/// Identifier of a decoded name line: its last four characters after trailing blanks are
/// removed, in upper case (a three-letter identifier comes with the character before it,
/// normally a blank: " YOW").
std::string IdentifierOf(std::string_view nameLine);

/// Variation in degrees, west positive, of a variation text (" 14W" -> 14, " 12E" -> -12);
/// 0 for an empty text.
float VariationWestDegrees(std::string_view variationText);

// --- Writing -------------------------------------------------------------------------------

/// What the encoder needs for one record.
struct AerodromeRecord {
    std::string ident;         ///< 3 or 4 letters or digits (lower case is raised)
    std::string name;          ///< the aerodrome's name (lower case is raised)
    std::string region;        ///< province or state code; may be empty
    int variationWestDeg = 0;  ///< whole degrees, west positive, -99 (99 E) to 100 (100 W)
    double latitudeDeg = 0;    ///< north, 0 to 90
    double longitudeDeg = 0;   ///< west, 0 to below 10 or 20 to 180 (10 to 19 cannot be stored)
};

/// A record's bytes, or why it cannot be written.
struct EncodeResult {
    std::optional<std::string> bytes;  ///< name line and position line, each ended by CR LF
    std::string problem;               ///< empty when bytes holds the record
};

/// True for the bytes a decoded name line may hold: up to 90, but not the line ends 10 and 13.
bool IsNameByte(unsigned char byte);

/// Name-line encoding: `text` must consist of name bytes; letter pairs of the table are
/// replaced, left to right, by their single byte. ExpandLetterPairs gives `text` back.
/// nullopt when `text` holds a byte that is not a name byte.
std::optional<std::string> CompressLetterPairs(std::string_view text);

/// Packs a coordinate in degrees, rounded to the nearest second, into three bytes (degrees,
/// minutes, seconds). nullopt for a value that is not finite, is negative, or has more than 225
/// degrees (the largest byte, 255, less kPackedDigitBase).
std::optional<std::string> PackCoordinate(double degrees);

/// Writes one record: the name line is NAME, blank, REGION, blank, IDENT (the region and its
/// blank left out when empty), compressed; the position line is the variation byte and the
/// packed latitude and longitude.
EncodeResult EncodeRecord(const AerodromeRecord& record);

/// The end record's bytes: "99" and CR LF.
std::string EncodeEndRecord();

}  // namespace aerlith
