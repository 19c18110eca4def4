#pragma once
// The checks that run while the user types a number into a box. On rejection they
// beep and show their message; the caller then selects the box's whole text.
#include <string_view>

#include "core/messages.h"

namespace orrelin {

// A whole number 0..limit; else "0 .. <limit>".
bool CheckIntRange(std::string_view text, int limit, MessageSink& sink);
// A decimal 0..limit; else "0.0 .. <limit with 1 decimal>".
bool CheckRealRange(std::string_view text, double limit, MessageSink& sink);
// Minutes 0..59.9, and no minutes on top of the degree limit.
bool CheckMinutes(std::string_view degText, std::string_view minText, int limit, MessageSink& sink);

}  // namespace orrelin
