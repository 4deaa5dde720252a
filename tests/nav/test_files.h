#pragma once
// Aerodrome files for the tests, written with the encoder.

#include <initializer_list>
#include <string>
#include <vector>

#include "nav/aerodrome_codec.h"

namespace aerlith {

inline AerodromeRecord Ottawa() {
    return {"CYOW", "OTTAWA MACDONALD-CARTIER INTL", "ON",
            13,     45 + 19 / 60.0 + 21 / 3600.0,    75 + 40 / 60.0 + 9 / 3600.0};
}
inline AerodromeRecord Montreal() {
    return {"CYUL", "MONTREAL TRUDEAU INTL",     "QC",
            14,     45 + 28 / 60.0 + 4 / 3600.0, 73 + 44 / 60.0 + 32 / 3600.0};
}
inline AerodromeRecord Seattle() {
    return {"KSEA", "SEATTLE-TACOMA INTL",        "WA",
            -15,    47 + 26 / 60.0 + 56 / 3600.0, 122 + 18 / 60.0 + 33 / 3600.0};
}
/// A record at Ottawa's position under another name.
inline AerodromeRecord Named(const std::string& name, const std::string& ident) {
    return {ident, name, "ON", 13, Ottawa().latitudeDeg, Ottawa().longitudeDeg};
}
/// A record with its own position, 0 degrees variation.
inline AerodromeRecord At(const std::string& ident, double latitudeDeg, double longitudeDeg) {
    return {ident, "PLACE", "ON", 0, latitudeDeg, longitudeDeg};
}

inline std::string TestFileWithoutEnd(const std::vector<AerodromeRecord>& records) {
    std::string bytes;
    for (const auto& record : records) bytes += EncodeRecord(record).bytes.value();
    return bytes;
}
inline std::string TestFile(const std::vector<AerodromeRecord>& records) {
    return TestFileWithoutEnd(records) + EncodeEndRecord();
}
/// `count` records without an end record, identifiers QAAA, QAAB, ... in file order.
inline std::string ManyRecords(int count) {
    std::vector<AerodromeRecord> records;
    for (int i = 0; i < count; ++i) {
        records.push_back(At(
            {'Q', char('A' + i / 676 % 26), char('A' + i / 26 % 26), char('A' + i % 26)}, 45, 75));
    }
    return TestFileWithoutEnd(records);
}

inline std::string Bytes(std::initializer_list<int> values) {
    std::string bytes;
    for (const int value : values) bytes.push_back(static_cast<char>(value));
    return bytes;
}

}  // namespace aerlith
