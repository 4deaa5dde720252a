#pragma once
// Aerodrome files for the tests, written with the encoder, and the committed test data.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "nav/aerodrome_codec.h"

namespace aerlith {

inline AerodromeRecord Ottawa() {
    return {"CYOW", "OTTAWA MACDONALD-CARTIER INTL", "ON",
            13,     45.0 + 19.0 / 60 + 21.0 / 3600,  75.0 + 40.0 / 60 + 9.0 / 3600};
}
inline AerodromeRecord Montreal() {
    return {"CYUL",
            "MONTREAL / PIERRE ELLIOTT TRUDEAU INTL",
            "QC",
            14,
            45.0 + 28.0 / 60 + 4.0 / 3600,
            73.0 + 44.0 / 60 + 32.0 / 3600};
}
inline AerodromeRecord Seattle() {
    return {"KSEA", "SEATTLE-TACOMA INTL",          "WA",
            -15,    47.0 + 26.0 / 60 + 56.0 / 3600, 122.0 + 18.0 / 60 + 33.0 / 3600};
}
/// A record at Ottawa's position under another name.
inline AerodromeRecord Named(const std::string& name, const std::string& region,
                             const std::string& ident) {
    AerodromeRecord record = Ottawa();
    record.name = name;
    record.region = region;
    record.ident = ident;
    return record;
}
/// The same with its own position and variation.
inline AerodromeRecord At(const std::string& ident, double latitudeDeg, double longitudeDeg,
                          int variationWestDeg = 0) {
    return {ident, "PLACE", "ON", variationWestDeg, latitudeDeg, longitudeDeg};
}

inline std::string TestFileWithoutEnd(const std::vector<AerodromeRecord>& records) {
    std::string bytes;
    for (const auto& record : records) bytes += EncodeRecord(record).bytes.value();
    return bytes;
}
inline std::string TestFile(const std::vector<AerodromeRecord>& records) {
    return TestFileWithoutEnd(records) + EncodeEndRecord();
}

inline std::filesystem::path TestDataFolder() { return AERLITH_TEST_DATA_DIR; }
inline std::string ReadTestData(const std::string& name) {
    std::ifstream in(TestDataFolder() / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace aerlith
