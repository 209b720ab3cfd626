#pragma once

#include <functional>

#include "conversion/types.h"

namespace hexdec {

// Told the 1-based position of each input byte that does not belong to the notation, in order,
// at the moment the conversion meets it; the conversion goes on once it returns.
using ReportPosition = std::function<void(Integer position)>;

}  // namespace hexdec
