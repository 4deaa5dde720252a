#include "nav/name_fold.h"

#include <cstdio>

#include "tables/ascii_text.h"

namespace aerlith {

namespace {

/// Code points `first` to `last` are written `text`.
struct Fold {
    char32_t first;
    char32_t last;
    std::string_view text;
};

// Upper and lower case fold alike, so each run covers both; the runs follow the code charts.
constexpr Fold kFolds[] = {
    {0x00C0, 0x00C5, "A"},  {0x00C6, 0x00C6, "AE"}, {0x00C7, 0x00C7, "C"},  {0x00C8, 0x00CB, "E"},
    {0x00CC, 0x00CF, "I"},  {0x00D1, 0x00D1, "N"},  {0x00D2, 0x00D6, "O"},  {0x00D8, 0x00D8, "O"},
    {0x00D9, 0x00DC, "U"},  {0x00DD, 0x00DD, "Y"},  {0x00DF, 0x00DF, "SS"}, {0x00E0, 0x00E5, "A"},
    {0x00E6, 0x00E6, "AE"}, {0x00E7, 0x00E7, "C"},  {0x00E8, 0x00EB, "E"},  {0x00EC, 0x00EF, "I"},
    {0x00F1, 0x00F1, "N"},  {0x00F2, 0x00F6, "O"},  {0x00F8, 0x00F8, "O"},  {0x00F9, 0x00FC, "U"},
    {0x00FD, 0x00FD, "Y"},  {0x00FF, 0x00FF, "Y"},  {0x0100, 0x0105, "A"},  {0x0106, 0x010D, "C"},
    {0x010E, 0x0111, "D"},  {0x0112, 0x011B, "E"},  {0x011C, 0x0123, "G"},  {0x0124, 0x0127, "H"},
    {0x0128, 0x0131, "I"},  {0x0134, 0x0135, "J"},  {0x0136, 0x0137, "K"},  {0x0139, 0x013E, "L"},
    {0x0141, 0x0142, "L"},  {0x0143, 0x0148, "N"},  {0x014C, 0x0151, "O"},  {0x0152, 0x0153, "OE"},
    {0x0154, 0x0159, "R"},  {0x015A, 0x0161, "S"},  {0x0162, 0x0167, "T"},  {0x0168, 0x0173, "U"},
    {0x0174, 0x0175, "W"},  {0x0176, 0x0178, "Y"},  {0x0179, 0x017E, "Z"},  {0x017F, 0x017F, "S"},
    {0x0300, 0x036F, ""},   {0x2010, 0x2015, "-"},  {0x2018, 0x201B, "'"},  {0x201C, 0x201E, "\""},
};

/// One character decoded from UTF-8 and the bytes it took.
struct Decoded {
    char32_t codePoint;
    std::size_t length;
};

/// The character that starts at `text[at]`; nullopt for a stray continuation byte, a sequence
/// cut short, an overlong form, a surrogate or a value past U+10FFFF.
std::optional<Decoded> DecodeUtf8(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80) return Decoded{lead, 1};
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead >= 0xC0 && lead < 0xE0) {
        length = 2;
        codePoint = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3;
        codePoint = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        codePoint = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return std::nullopt;
    }
    if (text.size() - at < length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0u) != 0x80u) return std::nullopt;
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF ||
        (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return std::nullopt;
    }
    return Decoded{codePoint, length};
}

std::optional<std::string_view> FoldOf(char32_t codePoint) {
    for (const Fold& fold : kFolds) {
        if (codePoint >= fold.first && codePoint <= fold.last) return fold.text;
    }
    return std::nullopt;
}

FoldResult Refusal(std::string problem) { return FoldResult{std::nullopt, std::move(problem)}; }

std::string CodePointText(char32_t codePoint) {
    char text[16];
    std::snprintf(text, sizeof text, "U+%04X", static_cast<unsigned>(codePoint));
    return text;
}

}  // namespace

FoldResult FoldForAerodromeFile(std::string_view utf8) {
    std::string folded;
    std::size_t at = 0;
    while (at < utf8.size()) {
        const auto decoded = DecodeUtf8(utf8, at);
        if (!decoded) {
            char byte[8];
            std::snprintf(byte, sizeof byte, "0x%02X", static_cast<unsigned char>(utf8[at]));
            return Refusal("is not UTF-8: byte " + std::string(byte) + " after \"" +
                           std::string(utf8.substr(0, at)) + "\"");
        }
        const std::string_view character = utf8.substr(at, decoded->length);
        at += decoded->length;
        const char32_t codePoint = decoded->codePoint;
        if (codePoint < 0x20 || codePoint == 0x7F) {
            return Refusal("holds the control character " + CodePointText(codePoint));
        }
        if (codePoint < 0x80) {
            const char c = ToUpperAscii(static_cast<char>(codePoint));
            if (c > 'Z') {
                return Refusal("holds \"" + std::string(character) +
                               "\", which comes after \"Z\": the file holds letters, digits, "
                               "blanks and the ASCII punctuation before \"Z\"");
            }
            folded.push_back(c);
            continue;
        }
        const auto fold = FoldOf(codePoint);
        if (!fold) {
            return Refusal("holds \"" + std::string(character) + "\" (" + CodePointText(codePoint) +
                           "), which has no ASCII form the file can hold");
        }
        folded += *fold;
    }
    return FoldResult{std::move(folded), {}};
}

}  // namespace aerlith
