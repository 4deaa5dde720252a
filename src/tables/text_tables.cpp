#include "tables/text_tables.h"

#include <array>
#include <cstddef>
#include <initializer_list>

#include "tables/ascii_text.h"
#include "tables/maker.h"
#include "tables/message_numbers.h"

namespace aerlith {

namespace {

// Texts built from pieces are kept in static arrays of characters so that views into them are
// constant data like the literals.
template <std::size_t Length>
struct BuiltText {
    std::array<char, Length> chars{};
    constexpr std::string_view View() const { return {chars.data(), Length}; }
};

template <std::size_t Length>
constexpr BuiltText<Length> Join(std::initializer_list<std::string_view> pieces) {
    BuiltText<Length> text;
    std::size_t at = 0;
    for (std::string_view piece : pieces) {
        for (char c : piece) text.chars[at++] = c;
    }
    return text;
}

// The conversion captions, each in a field of 14 characters padded with trailing blanks; the
// last field is not padded.
constexpr std::size_t kCaptionField = 14;
constexpr std::array<std::string_view, kConversionCount> kConversionCaptions = {
    "Celsi&us - F",  "&F - Celsius",  "&NM - SM",       "&SM - NM",       "&Hg - Mb",
    "M&b - Hg",      "&Lbs - Kg",     "&Kg - Lbs",      "K&m - SM",       "Km &> NM",
    "SM &to Km",     "NM t&o Km",     "L&itres-ImpGal", "US Gal-Lit&res", "Imp&Gal-USGal",
    "USG&al-ImpGal", "Metres &~Feet", "Feet &\\Metres"};

constexpr bool CaptionsFitTheirFields() {
    for (std::string_view caption : kConversionCaptions) {
        if (caption.size() > kCaptionField) return false;
    }
    return true;
}
static_assert(CaptionsFitTheirFields());

constexpr std::size_t kCaptionTextLength =
    kCaptionField * (kConversionCaptions.size() - 1) + kConversionCaptions.back().size();

constexpr BuiltText<kCaptionTextLength> BuildCaptionText() {
    BuiltText<kCaptionTextLength> text;
    std::size_t at = 0;
    for (std::size_t field = 0; field < kConversionCaptions.size(); ++field) {
        const std::string_view caption = kConversionCaptions[field];
        for (char c : caption) text.chars[at++] = c;
        if (field + 1 < kConversionCaptions.size()) {
            for (std::size_t pad = caption.size(); pad < kCaptionField; ++pad) {
                text.chars[at++] = ' ';
            }
        }
    }
    return text;
}

constexpr auto kCaptionText = BuildCaptionText();

constexpr std::string_view kHelpClosingWords =
    " For more info click or tap on 'How to Use This Software' in the Main Menu, or 'Help With "
    "This Software Index' in the Help Classroom, or contact us at ";
constexpr auto kHelpClosing = Join<kHelpClosingWords.size() + maker::kEmail.size() + 1>(
    {kHelpClosingWords, maker::kEmail, "."});

constexpr std::array<std::string_view, kMessageCount> kMessages = [] {
    std::array<std::string_view, kMessageCount> m{};
    m[msg::kLetterPairText] =
        " ONBCCYTHINANREATERSTTOTEISDEENHEVEALMBNWQC(HNYSKOOTX(SBIGANCGRPLUTOLNACKTILEARCOROC"
        "EMEEDESNGLIORIOCAAISENTBEFOWILAMARAACITMCNDTLNELLDIRILOPRHAICNOCRUSPOMIPETUTRSSILSIA"
        "STAWHVIWEGECHCTEAURGHHORSFLEESUNSUNSPADWAFIRTHIQUULMPNIIRELRUABSOBYCIOWCUDUMUMORNRYU"
        "MIDDODABUAMSATTTYBOETBAFFPAPIIAIEEYJOHNGOAKVASHAZKSOHNBMNMSNMMTBLRDTNGLNNFERGKE";
    m[msg::kInvalidPairText] = " +++x+/-+-x-//+/x//x+xxx/(x(+(/-)x)/)+))(.(..()).";
    m[msg::kWindowTitle] = " Aerlith Zizivu Zudado - Vedudoru Dozivozavi 4.0";
    m[msg::kKeypadCaptions] = "7410852.963C/x-+<=)(";
    m[msg::kEntryTooltip] =
        "Double click this area to display the on-screen keyboard, (not available in earlier Win "
        "versions.)";
    m[msg::kKeypadTooltip] =
        "Click on these numbers or use the keyboard. (Press '^' for exponents. Press '<' for "
        "Backspace.)";
    m[msg::kHelpHint] = "  Right click or touch and hold for more info.";
    m[msg::kConversionCaptions] = kCaptionText.View();
    m[msg::kConversionTooltip] =
        "Enter a value, then click on these buttons or use 'ALT' with the shortcut key to do the "
        "conversion.";
    m[msg::kTimeDistanceTooltip] =
        "These are time/distance/angle calculations. Click here first or use 'ALT' with the "
        "shortcut key. ";
    m[msg::kLookUpTooltip] = "Use this to look up the airport ID.";
    m[msg::kMeteorologyTooltip] =
        "These perform meterological conversions. Click here first or use 'ALT' with the shortcut "
        "key. ";
    m[msg::kCrossCountryTooltip] = "This will calculate the course between two aerodromes.";
    m[msg::kFirstFunctionCaption] = "Cross&wind Component";
    m[msg::kFirstFunctionCaption + 1] = "Fin&d Heading and GS";
    m[msg::kFirstFunctionCaption + 2] = "Find Wind Dir &- Spd";
    m[msg::kFirstFunctionCaption + 3] = "Xcntr&y Dist and Track";
    m[msg::kFirstFunctionCaption + 4] = "Look U&p Airport ID";
    m[msg::kFirstFunctionCaption + 5] = "Pr&essure Altitude";
    m[msg::kFirstFunctionCaption + 6] = "Den&sity Altitude";
    m[msg::kFirstFunctionCaption + 7] = "True &Airspeed";
    m[msg::kFirstFunctionCaption + 8] = "Dewp&oint";
    m[msg::kRefusal] = "Oops. - Error (out of Range, division by zero or typo.)  ";
    m[msg::kPressureAltitudeIs] = "The Pressure Altitude is ";
    m[msg::kTrueAirspeedIs] = "The True Airspeed is ";
    m[msg::kDensityAltitudeIs] = "The Density Altitude is ";
    m[msg::kDewpointIs] = "The Dewpoint is ";
    m[msg::kDoYouWantThisOne] = "Do you want this one?      ";
    m[msg::kPossibleChoiceFound] = "Possible choice found.";
    m[msg::kNotFound] = "Sorry, that location was not found. - End of Database";
    m[msg::kCrosswindIs] = " Crosswind component is ";
    m[msg::kHeadwindIs] = " Headwind component is ";
    m[msg::kWindIs] = "Wind is ";
    m[msg::kHeadingIs] = " Heading is ";
    m[msg::kEnterThe] = "Enter the ";
    m[msg::kPromptTrueCourse] = " True Course";
    m[msg::kPromptTrueAirspeed] = " True Airspeed";
    m[msg::kThenClick] = " then Click the '=' button.";
    m[msg::kPartialNameField] = "Partial Name of Airport";
    m[msg::kMslAltitudeField] = "MSL Altitude";
    m[msg::kMslAltitudeField + 1] = "Indicated Airspeed";
    m[msg::kDensityTemperatureField] = "Temperature In Celsius";
    m[msg::kDensityTemperatureField + 1] = "Station Pressure";
    m[msg::kAltimeterSettingField] = "Altimeter Setting";
    m[msg::kDewpointTemperatureField] = "Temperature in Celsius";
    m[msg::kDewpointTemperatureField + 1] = "Relative Humidity in Percent";
    m[msg::kMagneticCourseLabel] = "    Magnetic Crs = ";
    m[msg::kOriginField] = "Origin Airport Identifier ";
    m[msg::kOriginField + 1] = "Destination Airport Identifier";
    m[msg::kInvalidPairMessage] = "This expression contains an invalid character pair ";
    m[msg::kInputRange] = "Error - Input Range is 0 to ";
    m[msg::kTrueHeadingField] = " True Heading ";
    m[msg::kTrueHeadingField + 1] = " Ground Speed ";
    m[msg::kTrueCourseField] = " True Course";
    m[msg::kTrueAirspeedField] = " True Airspeed";
    // Sixteen records: a mode letter and a factor of two whole digits and seven decimals.
    m[msg::kConversionFactors] =
        "n01.1520000s00.8680556h33.8639500b00.0295300"
        "l00.4535148k02.2050000m00.6215040>00.5399568"
        "t01.6090000o01.8520000i00.2200000r03.7850000"
        "g01.2010000a00.8326395~03.2810000\\00.3047851";
    m[msg::kWindDirectionField] = "Wind Direction";
    m[msg::kWindSpeedField] = "Wind Speed";
    m[msg::kWindSpeedField + 1] = "Angle to Runway in Degrees";
    m[msg::kKeypadHelpTitle] = "Calculator Help - Number Keypad";
    m[msg::kConversionHelpTitle] = "Calculator Help - Conversions";
    m[msg::kFlightPlanHelpTitle] = "Calculator Help - Flight Plans";
    m[msg::kFormulaHelpTitle] = "Calculator Help - Formulae";
    m[msg::kDistanceLabel] = " (NM/SM)  Initial True Crs = ";
    m[msg::kConversionHelp] =
        "To do a conversion, first type in the value using the keypad, then click on the "
        "conversion button. For example, type '32' into the text box, then click on Farenheight to "
        "Celsius (F-Celsius), and read '0' in the text box. You can also use the underlined "
        "character on the keyboard with the 'ALT' key to access these functions.";
    m[msg::kKeypadHelp] =
        "Click on these numbers or use the number pad on the keyboard. Press '<' to delete the "
        "previous entry. Press '^' for exponents. Press 'C' to clear all entries. The brackets can "
        "be used for more complex equations. Remember the order of operations. When you're done "
        "press the '=' sign for the answer.";
    m[msg::kFormulaHelp] =
        "These buttons will perform similar calculations to an E6B circular slide rule. They use "
        "formulae to calculate meteorological phenomena as well as Time - Distance - Wind "
        "problems. Some of these calculations, you will be expected to perform manually on exams. "
        "Check out the Aviation Formulae chapter in the Help Classroom.";
    m[msg::kFlightPlanHelp] =
        "These two buttons will calculate the distance and track between two points. The "
        "calculator includes a database with all of the aerodromes and heliports in North America. "
        "If you are not sure of the aerodrome identifier, first click on 'Look Up Airport ID'. "
        "Type in any part of the name of the location. If there is more than one entry for your "
        "search string, you will be asked to choose. Then click on 'Xcntry Dist and Track', enter "
        "your two points and click the '=' sign. The distance in both NM and SM, and the track in "
        "both True and Magnetic will be displayed.";
    m[msg::kHelpClosing] = kHelpClosing.View();
    m[msg::kWrongIdentifierLength] =
        "Please enter the airport as a 3 or 4 character identifier. (Use the 'Lookup Button' for "
        "the airport ID.)";
    m[msg::kDatabaseUnreadable] = "Sorry, the aerodrome database vdats.tst could not be read.";
    return m;
}();

static_assert(kMessages[msg::kKeypadCaptions].size() == kKeyCount);
static_assert(kMessages[msg::kLetterPairText].size() == 331);
static_assert(kMessages[msg::kInvalidPairText].size() == 49);
static_assert(kMessages[msg::kConversionCaptions].size() == 251);
static_assert(kMessages[msg::kConversionFactors].size() == 176);
static_assert(kMessages[msg::kConversionHelp].size() == 324);
static_assert(kMessages[msg::kKeypadHelp].size() == 297);
static_assert(kMessages[msg::kFormulaHelp].size() == 320);
static_assert(kMessages[msg::kFlightPlanHelp].size() == 562);
static_assert(kMessages[msg::kHelpClosing].size() == 152 + maker::kEmail.size());

// Pair i is the two characters that start at (1-based) position 2i; entry 0 stays empty.
template <std::size_t Count>
constexpr std::array<std::string_view, Count> CutPairs(std::string_view source) {
    std::array<std::string_view, Count> pairs{};
    for (std::size_t i = 1; i < Count; ++i) pairs[i] = source.substr(2 * i - 1, 2);
    return pairs;
}

static_assert(kMessages[msg::kLetterPairText].size() == 2 * kLetterPairCount - 1);
static_assert(kMessages[msg::kInvalidPairText].size() == 2 * kInvalidPairCount - 1);
constexpr auto kLetterPairs = CutPairs<kLetterPairCount>(kMessages[msg::kLetterPairText]);
constexpr auto kInvalidPairs = CutPairs<kInvalidPairCount>(kMessages[msg::kInvalidPairText]);

constexpr std::array<std::string_view, kSettingCount> kSettings = {"", "0",      "", "OFF",
                                                                   "", "Tahoma", "", ""};

template <typename Table>
constexpr std::optional<std::string_view> Lookup(const Table& table, int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= table.size()) return std::nullopt;
    return table[static_cast<std::size_t>(index)];
}

}  // namespace

std::optional<std::string_view> MessageEntry(int index) { return Lookup(kMessages, index); }

std::string_view Message(int index) { return MessageEntry(index).value_or(std::string_view{}); }

std::optional<std::string_view> LetterPair(int index) { return Lookup(kLetterPairs, index); }

std::optional<std::string_view> InvalidPair(int index) { return Lookup(kInvalidPairs, index); }

std::optional<std::string_view> Setting(int index) { return Lookup(kSettings, index); }

std::optional<std::string_view> ConversionCaption(int button) {
    if (button < 0 || static_cast<std::size_t>(button) >= kConversionCaptions.size()) {
        return std::nullopt;
    }
    const std::string_view entry = kMessages[msg::kConversionCaptions];
    return TrimBlanks(
        entry.substr(kCaptionField * static_cast<std::size_t>(button), kCaptionField));
}

std::optional<char> KeypadCaption(int key) {
    const std::string_view captions = kMessages[msg::kKeypadCaptions];
    if (key < 0 || static_cast<std::size_t>(key) >= captions.size()) return std::nullopt;
    return captions[static_cast<std::size_t>(key)];
}

}  // namespace aerlith
