#pragma once
// The entries of the message table by what they hold: the one list of message numbers. Entries
// that start a run (the function captions, the two field names of a prompt) are named by their
// first member; the run's other members follow it directly.

namespace aerlith::msg {

inline constexpr int kLetterPairText = 8;       ///< cut into the letter-pair table
inline constexpr int kInvalidPairText = 9;      ///< cut into the invalid-pair table
inline constexpr int kWindowTitle = 10;         ///< the main window's caption, after three blanks
inline constexpr int kKeypadCaptions = 11;      ///< "7410852.963C/x-+<=)(", one per key
inline constexpr int kEntryTooltip = 12;        ///< the entry box's tooltip
inline constexpr int kKeypadTooltip = 13;       ///< tooltips: each followed by kHelpHint
inline constexpr int kHelpHint = 14;            ///< "  Right click or touch and hold ..."
inline constexpr int kConversionCaptions = 15;  ///< 18 captions in fields of 14 characters
inline constexpr int kConversionTooltip = 16;
inline constexpr int kTimeDistanceTooltip = 17;
inline constexpr int kLookUpTooltip = 18;
inline constexpr int kMeteorologyTooltip = 19;
inline constexpr int kCrossCountryTooltip = 20;
inline constexpr int kFirstFunctionCaption = 21;  ///< captions of function buttons 0 to 8
inline constexpr int kRefusal = 30;  ///< "Oops. - Error (out of Range, division by zero or typo.) "
inline constexpr int kPressureAltitudeIs = 31;
inline constexpr int kTrueAirspeedIs = 32;
inline constexpr int kDensityAltitudeIs = 33;
inline constexpr int kDewpointIs = 34;
inline constexpr int kDoYouWantThisOne = 35;     ///< the look-up's question about a candidate
inline constexpr int kPossibleChoiceFound = 36;  ///< the title of that question
inline constexpr int kNotFound = 37;  ///< "Sorry, that location was not found. - End of Database"
inline constexpr int kCrosswindIs = 38;
inline constexpr int kHeadwindIs = 39;
inline constexpr int kWindIs = 40;
inline constexpr int kHeadingIs = 41;
inline constexpr int kEnterThe = 42;            ///< prompts begin with "Enter the "
inline constexpr int kPromptTrueCourse = 43;    ///< " True Course" in a four-box prompt
inline constexpr int kPromptTrueAirspeed = 44;  ///< " True Airspeed" in a four-box prompt
inline constexpr int kThenClick = 45;           ///< prompts end with " then Click the '=' button."
inline constexpr int kPartialNameField = 46;
inline constexpr int kMslAltitudeField = 48;         ///< then the indicated airspeed
inline constexpr int kDensityTemperatureField = 50;  ///< then the station pressure
inline constexpr int kAltimeterSettingField = 52;
inline constexpr int kDewpointTemperatureField = 53;  ///< then the relative humidity
inline constexpr int kMagneticCourseLabel = 55;       ///< "    Magnetic Crs = "
inline constexpr int kOriginField = 56;               ///< then the destination
inline constexpr int kInvalidPairMessage = 58;        ///< followed by the pair found
inline constexpr int kInputRange = 59;          ///< "Error - Input Range is 0 to " and the most
inline constexpr int kTrueHeadingField = 60;    ///< then the ground speed
inline constexpr int kTrueCourseField = 62;     ///< field name of value box 0 in four-box prompts
inline constexpr int kTrueAirspeedField = 63;   ///< field name of value box 1 in four-box prompts
inline constexpr int kConversionFactors = 64;   ///< a mode letter and a factor per record
inline constexpr int kWindDirectionField = 65;  ///< then the wind speed
inline constexpr int kWindSpeedField = 66;      ///< then the angle to the runway
inline constexpr int kKeypadHelpTitle = 68;
inline constexpr int kConversionHelpTitle = 69;
inline constexpr int kFlightPlanHelpTitle = 70;
inline constexpr int kFormulaHelpTitle = 71;
inline constexpr int kDistanceLabel = 72;  ///< " (NM/SM)  Initial True Crs = "
inline constexpr int kConversionHelp = 73;
inline constexpr int kKeypadHelp = 74;
inline constexpr int kFormulaHelp = 75;
inline constexpr int kFlightPlanHelp = 76;
inline constexpr int kHelpClosing = 77;  ///< ends every help text, with the maker's e-mail
inline constexpr int kWrongIdentifierLength = 78;
inline constexpr int kDatabaseUnreadable = 79;

}  // namespace aerlith::msg
