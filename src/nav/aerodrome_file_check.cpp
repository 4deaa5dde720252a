#include "nav/aerodrome_file_check.h"

#include <limits>
#include <map>

#include "nav/aerodrome_codec.h"
#include "tables/ascii_text.h"

namespace aerlith {
namespace {

/// Problems of one packed coordinate: groups out of range or the wrong number of bytes.
std::vector<std::string> CoordinateProblems(std::string_view packed, bool longitude) {
    std::vector<std::string> problems;
    const char* what = longitude ? "longitude" : "latitude";
    if (packed.size() != 3 && !(longitude && packed.size() == 2)) {
        problems.push_back(std::string(what) + " has " + std::to_string(packed.size()) +
                           " bytes, expected 3");
        return problems;
    }
    const int mostDegrees = longitude ? 180 : 90;
    int seconds = 0;
    for (std::size_t i = 0; i < packed.size(); ++i) {
        const int group = static_cast<unsigned char>(packed[i]) - kPackedDigitBase;
        const bool degrees = i == 0;
        const int most = degrees ? mostDegrees : 59;
        if (group < 0 || group > most) {
            problems.push_back(std::string(what) + (degrees ? " degrees " : " minutes/seconds ") +
                               std::to_string(group) + " out of range");
        } else if (degrees && longitude && group >= 10 && group <= 19) {
            problems.push_back("longitude degrees from 10 to 19 read as three-digit degrees");
        }
        seconds += group * (i == 0 ? 3600 : i == 1 ? 60 : 1);
    }
    // Each group may be in range and the whole still past the pole or the date line.
    if (problems.empty() && seconds > mostDegrees * 3600) {
        problems.push_back(std::string(what) + " beyond " + std::to_string(mostDegrees) +
                           " degrees");
    }
    if (longitude && packed.size() == 2 &&
        static_cast<unsigned char>(packed[0]) - kPackedDigitBase < 100) {
        problems.push_back("longitude without seconds needs three-digit degrees");
    }
    return problems;
}

std::vector<std::string> RecordProblems(const RawRecord& record) {
    std::vector<std::string> problems;
    const std::string ident(TrimBlanks(IdentifierOf(record.nameLine)));
    bool identOk = ident.size() == 3 || ident.size() == 4;
    for (const char c : ident) identOk = identOk && ((c >= 'A' && c <= 'Z') || IsDigit(c));
    if (!identOk) problems.push_back("identifier '" + ident + "' is not 3 or 4 letters or digits");
    for (const char c : record.nameLine) {
        if (static_cast<unsigned char>(c) < 32) {
            problems.push_back("name line holds a control character");
            break;
        }
    }
    if (record.positionLine.empty()) {
        problems.push_back("empty position line");
        return problems;
    }
    if (static_cast<unsigned char>(record.positionLine[0]) < kVariationEastBase) {
        problems.push_back("variation byte below 55");
    }
    const PositionLine position = ReadPositionLine(record.positionLine);
    for (auto& problem : CoordinateProblems(position.latPacked, false)) problems.push_back(problem);
    for (auto& problem : CoordinateProblems(position.lonPacked, true)) problems.push_back(problem);
    return problems;
}

}  // namespace

FileCheck CheckAerodromeFile(std::string_view bytes) {
    FileCheck check;
    std::map<std::string, int> firstLineOf;
    RecordReader records(bytes, std::numeric_limits<int>::max());
    while (const auto record = records.Next()) {
        const int line = record->nameLineNumber;
        if (record->nameLine.empty()) {
            // A line feed ends a line even without a carriage return, so a stray empty line in a
            // hand-edited file is a line of its own, read where a name line belongs.
            check.recordProblems.push_back(
                {line, "empty line (every record after it is read one line off)"});
            continue;
        }
        for (auto& problem : RecordProblems(*record)) {
            check.recordProblems.push_back({line, std::move(problem)});
        }
        const std::string ident(TrimBlanks(IdentifierOf(record->nameLine)));
        const auto [entry, isNew] = firstLineOf.emplace(ident, line);
        if (!isNew) {
            check.recordProblems.push_back({line, "duplicate identifier " + ident +
                                                      " (first at line " +
                                                      std::to_string(entry->second) + ")"});
        }
    }
    check.records = records.Count();
    switch (records.End()) {
        case RecordsEnd::kEndRecord:
            if (records.Count() > kMaxDataRecords) {
                check.endProblems.push_back(
                    {records.EndRecordLine(), "more than " + std::to_string(kMaxDataRecords) +
                                                  " records: those past it cannot be found"});
            }
            break;
        case RecordsEnd::kTruncated:
            check.endProblems.push_back(
                {records.LinesRead(), "name line without its position line at the end"});
            [[fallthrough]];
        default:
            check.endProblems.push_back(
                {records.LinesRead(), "missing end record \"99\" (the file ends here)"});
            break;
    }
    return check;
}

}  // namespace aerlith
