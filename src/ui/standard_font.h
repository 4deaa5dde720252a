#pragma once

namespace aerlith::ui {

/// Makes the standard font (Tahoma) available: where the system has none, the Tahoma of the
/// fonts-wine package is loaded for this process. Missing both, Qt's nearest match is used.
void EnsureStandardFont();

}  // namespace aerlith::ui
