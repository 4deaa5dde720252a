#include "tables/maker.h"

namespace aerlith::maker {

std::string_view WebAddress() { return AERLITH_WEB_ADDRESS; }

}  // namespace aerlith::maker
