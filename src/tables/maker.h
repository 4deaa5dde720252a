#pragma once
// The maker's own details, set in one place. The web address comes from the build
// (the CMake cache variable AERLITH_WEB_ADDRESS; empty means nothing is opened at exit).

#include <string_view>

namespace aerlith::maker {

inline constexpr std::string_view kCompany = "Aerlith Aviation Software Inc.";
inline constexpr std::string_view kStreet = "1200 Runway Road, Suite 4";
inline constexpr std::string_view kTownAndProvince = "Ottawa, Ontario";
inline constexpr std::string_view kPostalCode = "K1V 9Z9";
inline constexpr std::string_view kTelephone = "(613) 555-0142";
inline constexpr std::string_view kFirstWebHost = "www.aerlith.test";
inline constexpr std::string_view kSecondWebHost = "classroom.aerlith.test";
inline constexpr std::string_view kEmail = "hi@aerlith.test";
inline constexpr std::string_view kRightsNotice = "Copyright (C) Aerlith. All rights reserved.";

/// The address opened when the program ends; empty when the build set none.
std::string_view WebAddress();

}  // namespace aerlith::maker
