// vdats-tool: lists, checks and writes aerodrome files, so users can keep their own up to date.
//
//   vdats-tool list FILE                  records as CSV on standard output
//   vdats-tool check FILE                 malformed records, count, end record, duplicates
//   vdats-tool encode CSV FILE            writes a new aerodrome file from CSV
//   vdats-tool encode --install-user CSV  writes it as the user's own aerodrome file, which the
//                                         calculator reads instead of the installed one
//   vdats-tool user-file                  prints where the user's own aerodrome file goes
//   vdats-tool course FILE ORIGIN DEST    the cross-country result line for two identifiers;
//                                         for one that several aerodromes answer (YKM: CYKM
//                                         and KYKM), their lines instead, and status 1
//
// CSV columns (with a header line): identifier,name,variation,latitude,longitude and optionally
// region. Texts are UTF-8; accents and typographic dashes and quotes are folded to upper-case
// ASCII ("Montréal" is stored MONTREAL), and a character the file cannot hold is refused with its
// line. Variation is whole degrees followed by W or E ("14W", "15E"); latitude is degrees
// north, longitude degrees west, as decimal numbers. Exit status: 0 done and clean, 1 problems
// found, 2 bad usage or a file that cannot be read or written.

#include <QString>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <limits>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/data_paths.h"
#include "calc/number_reading.h"
#include "nav/aerodrome_codec.h"
#include "nav/aerodrome_file_check.h"
#include "nav/aerodrome_search.h"
#include "nav/cross_country.h"
#include "nav/name_fold.h"
#include "platform/tool_platform.h"
#include "tables/ascii_text.h"

namespace {

using namespace aerlith;

constexpr int kClean = 0;
constexpr int kProblems = 1;
constexpr int kUsage = 2;

int Usage() {
    std::cerr << "usage: vdats-tool list FILE\n"
                 "       vdats-tool check FILE\n"
                 "       vdats-tool encode CSV FILE\n"
                 "       vdats-tool encode --install-user CSV\n"
                 "       vdats-tool user-file\n"
                 "       vdats-tool course FILE ORIGIN DEST\n";
    return kUsage;
}

/// CSV fields and identifiers lose blanks and tabs at both ends.
std::string_view Trim(std::string_view text) { return TrimBlanks(text, " \t"); }

std::string CsvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

/// One CSV row split into fields; quoted fields may hold commas and doubled quotes.
std::vector<std::string> SplitCsvRow(std::string_view row) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < row.size(); ++i) {
        const char c = row[i];
        if (quoted) {
            if (c == '"' && i + 1 < row.size() && row[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                fields.back() += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::string Decimal(float value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(value));
    return text;
}

/// The name line without its identifier and the blanks before it.
std::string_view NameWithoutIdentifier(std::string_view nameLine) {
    auto end = nameLine.find_last_not_of(' ');
    if (end == std::string_view::npos) return {};
    std::string_view text = nameLine.substr(0, end + 1);
    text = text.size() > 4 ? text.substr(0, text.size() - 4) : std::string_view{};
    end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

/// A path as UTF-8 text for messages.
std::string Shown(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

std::optional<std::string> ReadOrComplain(const std::filesystem::path& path) {
    auto bytes = ReadAerodromeFile(path);
    if (!bytes) std::cerr << "vdats-tool: cannot read " << Shown(path) << "\n";
    return bytes;
}

int List(const std::filesystem::path& path) {
    const auto bytes = ReadOrComplain(path);
    if (!bytes) return kUsage;
    std::cout << "identifier,name,variation,latitude,longitude\n";
    RecordReader records(*bytes, std::numeric_limits<int>::max());
    while (const auto record = records.Next()) {
        const PositionLine position = ReadPositionLine(record->positionLine);
        std::cout << CsvField(Trim(IdentifierOf(record->nameLine))) << ','
                  << CsvField(NameWithoutIdentifier(record->nameLine)) << ','
                  << CsvField(Trim(position.variationText)) << ','
                  << Decimal(LatitudeFromDigits(DecodeDigits(position.latPacked))) << ','
                  << Decimal(LongitudeFromDigits(DecodeDigits(position.lonPacked))) << '\n';
    }
    return kClean;
}

int Check(const std::filesystem::path& path) {
    const auto bytes = ReadOrComplain(path);
    if (!bytes) return kUsage;
    const FileCheck check = CheckAerodromeFile(*bytes);
    const auto print = [&](const FileProblem& problem) {
        std::cout << Shown(path) << ":" << problem.line << ": " << problem.text << "\n";
    };
    for (const FileProblem& problem : check.recordProblems) print(problem);
    std::cout << check.records << " records\n";
    for (const FileProblem& problem : check.endProblems) print(problem);
    if (check.Clean()) std::cout << "no problems found\n";
    return check.Clean() ? kClean : kProblems;
}

/// "14W" -> 14, "15E" -> -15, "-3E" -> 3; nullopt for anything else.
std::optional<int> ParseVariation(std::string_view text) {
    text = Trim(text);
    if (text.size() < 2) return std::nullopt;
    const char letter = text.back();
    const bool west = letter == 'W' || letter == 'w';
    if (!west && letter != 'E' && letter != 'e') return std::nullopt;
    const auto degrees = ConvertNumber(text.substr(0, text.size() - 1));
    if (!degrees || *degrees != static_cast<double>(static_cast<int>(*degrees)) ||
        *degrees < -1000.0 || *degrees > 1000.0) {
        return std::nullopt;
    }
    const int whole = static_cast<int>(*degrees);
    return west ? whole : -whole;
}

int Encode(const std::filesystem::path& csvPath, const std::filesystem::path& outPath) {
    std::ifstream csv(csvPath, std::ios::binary);
    if (!csv) {
        std::cerr << "vdats-tool: cannot read " << Shown(csvPath) << "\n";
        return kUsage;
    }
    std::string row;
    if (!std::getline(csv, row)) {
        std::cerr << Shown(csvPath) << ": empty file\n";
        return kProblems;
    }
    if (!row.empty() && row.back() == '\r') row.pop_back();
    std::map<std::string, std::size_t> column;
    const auto header = SplitCsvRow(row);
    for (std::size_t i = 0; i < header.size(); ++i) column[std::string(Trim(header[i]))] = i;
    for (const char* name : {"identifier", "name", "variation", "latitude", "longitude"}) {
        if (!column.count(name)) {
            std::cerr << Shown(csvPath) << ":1: header lacks the column " << name << "\n";
            return kProblems;
        }
    }
    const bool hasRegion = column.count("region") != 0;

    std::string file;
    int problems = 0;
    int records = 0;
    int lineNumber = 1;
    std::map<std::string, int> firstLineOf;
    const auto report = [&](const std::string& text) {
        std::cerr << Shown(csvPath) << ":" << lineNumber << ": " << text << "\n";
        ++problems;
    };
    while (std::getline(csv, row)) {
        ++lineNumber;
        if (!row.empty() && row.back() == '\r') row.pop_back();
        if (Trim(row).empty()) continue;
        const auto fields = SplitCsvRow(row);
        const auto field = [&](const char* name) -> std::string {
            const std::size_t index = column[name];
            return index < fields.size() ? fields[index] : std::string();
        };
        AerodromeRecord record;
        std::string problem;
        // Lengths and characters are checked on the folded texts, as they will be stored.
        const auto folded = [&](const char* name) {
            FoldResult result = FoldForAerodromeFile(Trim(field(name)));
            if (problem.empty() && !result.problem.empty()) {
                problem = std::string(name) + " " + result.problem;
            }
            return result.text.value_or(std::string());
        };
        record.ident = folded("identifier");
        record.name = folded("name");
        if (hasRegion) record.region = folded("region");
        if (!problem.empty()) {
            report(problem);
            continue;
        }
        const auto variation = ParseVariation(field("variation"));
        const auto latitude = ConvertNumber(field("latitude"));
        const auto longitude = ConvertNumber(field("longitude"));
        if (!variation || !latitude || !longitude) {
            report("variation, latitude or longitude is not a number of the expected form");
            continue;
        }
        record.variationWestDeg = *variation;
        record.latitudeDeg = *latitude;
        record.longitudeDeg = *longitude;
        const EncodeResult encoded = EncodeRecord(record);
        if (!encoded.bytes) {
            report(encoded.problem);
            continue;
        }
        const std::string ident = UpperAscii(record.ident);
        const auto [entry, isNew] = firstLineOf.emplace(ident, lineNumber);
        if (!isNew) {
            report("duplicate identifier " + ident + " (first at line " +
                   std::to_string(entry->second) + ")");
            continue;
        }
        file += *encoded.bytes;
        ++records;
    }
    if (records > kMaxDataRecords) {
        report(std::to_string(records) + " records: at most " + std::to_string(kMaxDataRecords) +
               " can be found");
    }
    if (problems > 0) {
        std::cerr << "vdats-tool: " << problems << " problems; " << Shown(outPath)
                  << " not written\n";
        return kProblems;
    }
    file += EncodeEndRecord();
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out << file;
    out.close();
    if (!out) {
        std::cerr << "vdats-tool: cannot write " << Shown(outPath) << "\n";
        return kUsage;
    }
    std::cerr << "vdats-tool: " << records << " records written to " << Shown(outPath) << "\n";
    return kClean;
}

std::optional<std::filesystem::path> UserFileOrComplain() {
    const QString user = app::UserAerodromeFile();
    if (user.isEmpty()) {
        std::cerr << "vdats-tool: this system names no folder for the user's data\n";
        return std::nullopt;
    }
    return app::NativePath(user);
}

int PrintUserFile() {
    const auto user = UserFileOrComplain();
    if (!user) return kUsage;
    std::cout << Shown(*user) << "\n";
    return kClean;
}

/// Writes beside the user's file first and then replaces it, so that a calculator searching it
/// meanwhile reads either the old file or the new one, never half of one.
int InstallUserFile(const std::filesystem::path& csvPath) {
    const auto user = UserFileOrComplain();
    if (!user) return kUsage;
    std::error_code error;
    std::filesystem::create_directories(user->parent_path(), error);
    if (error) {
        std::cerr << "vdats-tool: cannot make " << Shown(user->parent_path()) << ": "
                  << error.message() << "\n";
        return kUsage;
    }
    std::filesystem::path partial = *user;
    partial += ".new";
    const int status = Encode(csvPath, partial);
    if (status != kClean) return status;
    std::filesystem::rename(partial, *user, error);
    if (error) {
        std::cerr << "vdats-tool: cannot replace " << Shown(*user) << ": " << error.message()
                  << "\n";
        std::filesystem::remove(partial, error);
        return kUsage;
    }
    std::cerr << "vdats-tool: the calculator now reads " << Shown(*user) << "\n";
    return kClean;
}

/// An identifier that several records answer is not guessed at: their lines are printed
/// instead, for the user to pick the identifier meant.
int Course(const std::filesystem::path& path, const std::string& origin, const std::string& dest) {
    NavState state;
    std::vector<std::string> candidates;
    const CrossCountryResult result =
        ComputeCrossCountry(path, origin, dest, state, [&](std::string_view candidate) {
            candidates.emplace_back(Trim(candidate));
            return false;
        });
    if (!candidates.empty()) {
        std::cerr << "vdats-tool: more than one aerodrome answers that identifier:\n";
        for (const std::string& candidate : candidates) std::cout << candidate << "\n";
        return kProblems;
    }
    std::cout << result.entryText << "\n";
    return kClean;
}

}  // namespace

int main(int argc, char** argv) {
    tools::UseUnchangedLineEnds();
    const std::vector<std::string> args = tools::Utf8Arguments(argc, argv);
    const auto path = [&args](std::size_t i) { return tools::PathFromUtf8(args[i]); };
    if (args.size() == 2 && args[0] == "list") return List(path(1));
    if (args.size() == 2 && args[0] == "check") return Check(path(1));
    if (args.size() == 3 && args[0] == "encode" && args[1] == "--install-user") {
        return InstallUserFile(path(2));
    }
    if (args.size() == 3 && args[0] == "encode") return Encode(path(1), path(2));
    if (args.size() == 1 && args[0] == "user-file") return PrintUserFile();
    if (args.size() == 4 && args[0] == "course") return Course(path(1), args[2], args[3]);
    return Usage();
}
