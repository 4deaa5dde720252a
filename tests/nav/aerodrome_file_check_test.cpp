#include "nav/aerodrome_file_check.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "test_files.h"

namespace aerlith {
namespace {

/// Records of a name line and a position line each, then the end record.
std::string Records(const std::vector<std::pair<std::string, std::string>>& records) {
    std::string bytes;
    for (const auto& [nameLine, positionLine] : records) {
        bytes += nameLine + "\r\n" + positionLine + "\r\n";
    }
    return bytes + EncodeEndRecord();
}

TEST(CheckAerodromeFile, EveryKindOfProblemWithItsLine) {
    const std::string ok = Bytes({168, 75, 49, 51, 105, 70, 39});
    const std::string noEnd = "missing end record \"99\" (the file ends here)";
    // Name, file, records read, problems as "LINE: TEXT; ...", the records' first, then the end's.
    const std::tuple<const char*, std::string, int, std::string> cases[] = {
        {"clean, groups at their limits",
         TestFileWithoutEnd({Ottawa(), At("XNIN", 0, 9), At("XTWE", 90, 20)}) +
             Records({{"LIMITS XLIM", Bytes({55, 120, 30, 30, 210, 30, 30})},
                      {"MINUTES XMIN", Bytes({255, 119, 89, 89, 209, 89, 89})},
                      {"NO SECONDS XSEC", Bytes({155, 75, 49, 51, 153, 60})}}),
         6, ""},
        {"bad identifiers", Records({{"NOT ONE X!!", ok}, {"XY", ok}}), 2,
         "1: identifier 'X!!' is not 3 or 4 letters or digits; "
         "3: identifier 'XY' is not 3 or 4 letters or digits"},
        {"control character", Records({{"UNIT\x1f XSEP", ok}}), 1,
         "1: name line holds a control character"},
        {"empty position line", Records({{"EMPTY XEMP", ""}}), 1, "1: empty position line"},
        {"stray empty line between records ending in lone line feeds",
         "PLAIN XPLN\n" + ok + "\n\n99\n", 2,
         "3: empty line (every record after it is read one line off); 4: " + noEnd},
        {"variation byte 54", Records({{"LOW XLOW", Bytes({54, 75, 49, 51, 105, 70, 39})}}), 1,
         "1: variation byte below 55"},
        {"wrong byte counts",
         Records({{"SHORT XSHO", Bytes({168, 75, 49})},
                  {"LONG XLNG", Bytes({168, 75, 49, 51, 105, 70, 39, 30})},
                  {"TWO BYTES XTWO", Bytes({168, 75, 49, 51, 105, 70})}}),
         3,
         "1: latitude has 2 bytes, expected 3; 1: longitude has 0 bytes, expected 3; "
         "3: longitude has 4 bytes, expected 3; "
         "5: longitude without seconds needs three-digit degrees"},
        {"groups out of range", Records({{"RANGE XRNG", Bytes({168, 121, 90, 29, 211, 30, 30})}}),
         1,
         "1: latitude degrees 91 out of range; 1: latitude minutes/seconds 60 out of range; "
         "1: latitude minutes/seconds -1 out of range; 1: longitude degrees 181 out of range"},
        {"past the pole and the date line",
         Records({{"POLE XPOL", Bytes({168, 120, 60, 30, 210, 30, 31})}}), 1,
         "1: latitude beyond 90 degrees; 1: longitude beyond 180 degrees"},
        {"longitude 10 and 19",
         Records({{"TEN XTEN", Bytes({168, 75, 49, 51, 40, 30, 30})},
                  {"NINETEEN XNTN", Bytes({168, 75, 49, 51, 49, 30, 30})}}),
         2,
         "1: longitude degrees from 10 to 19 read as three-digit degrees; "
         "3: longitude degrees from 10 to 19 read as three-digit degrees"},
        {"duplicate identifier", TestFile({Ottawa(), Montreal(), Named("OTHER", "CYOW")}), 3,
         "5: duplicate identifier CYOW (first at line 1)"},
        {"no end record", TestFileWithoutEnd({Ottawa()}), 1, "2: " + noEnd},
        {"truncated record", TestFileWithoutEnd({Ottawa()}) + "CUT XCUT\r\n", 1,
         "3: name line without its position line at the end; 3: " + noEnd},
        {"6699 records", ManyRecords(6699) + EncodeEndRecord(), 6699, ""},
        {"6700 records", ManyRecords(6700) + EncodeEndRecord(), 6700,
         "13401: more than 6699 records: those past it cannot be found"},
    };
    for (const auto& [name, bytes, records, expected] : cases) {
        const FileCheck check = CheckAerodromeFile(bytes);
        std::string problems;
        for (const auto* list : {&check.recordProblems, &check.endProblems}) {
            for (const auto& [line, text] : *list)
                problems += (problems.empty() ? "" : "; ") + std::to_string(line) + ": " + text;
        }
        EXPECT_EQ(problems, expected) << name;
        EXPECT_EQ(check.records, records) << name;
        EXPECT_EQ(check.Clean(), expected.empty()) << name;
    }
}

}  // namespace
}  // namespace aerlith
