#pragma once
// The checks of a whole aerodrome file, for the people who keep one up to date: every record
// that breaks the file's rules, identifiers given twice, and how the file ends.

#include <string>
#include <string_view>
#include <vector>

namespace aerlith {

/// One problem, at the 1-based line it was found on.
struct FileProblem {
    int line = 0;
    std::string text;
};

/// What a check of a whole file found.
struct FileCheck {
    int records = 0;  ///< records read, up to the "99" record or the end of the bytes
    /// Per record, in file order: an identifier that is not 3 or 4 letters or digits, a control
    /// character in a name line, an empty position line, a variation byte below 55, a latitude
    /// or longitude with the wrong number of bytes or a group out of range, a longitude of 10 to
    /// 19 degrees (read back as three-digit degrees), an identifier given before.
    /// An empty line where a name line belongs, a stray empty line after which every record is
    /// read one line off, is reported alone, as "empty line".
    std::vector<FileProblem> recordProblems;
    /// How the file ends: no "99" record, a name line without its position line, or more
    /// records than a search examines (those past it cannot be found).
    std::vector<FileProblem> endProblems;

    bool Clean() const { return recordProblems.empty() && endProblems.empty(); }
};

/// Checks every record of `bytes`, not only the ones a search reaches.
FileCheck CheckAerodromeFile(std::string_view bytes);

}  // namespace aerlith
