#pragma once

#include "conversion/control_bridge.h"
#include "conversion/report.h"
#include "conversion/types.h"

namespace hexdec {

// The value 0 to 15 of the byte at `position` as a hexadecimal digit of either case. Any other
// byte is reported and counts as 0.
Integer hexDigitValue(const Text& text, Integer position, const ReportPosition& report);

// The signed decimal text of the input read as hexadecimal digits, one byte per digit, summed in
// double arithmetic into a 32-bit Integer; only the last eight bytes can reach the result.
Text hexTextToDecimalText(const Text& input, const ReportPosition& report);

// The action of the button 转10进制: 编辑框1 in hexadecimal, 编辑框2 out in decimal, one message
// per byte that is not a hexadecimal digit, then exactly one write.
void convertHexToDecimal(ControlBridge& bridge);

}  // namespace hexdec
