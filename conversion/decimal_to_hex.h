#pragma once

#include "conversion/control_bridge.h"
#include "conversion/report.h"
#include "conversion/types.h"

namespace hexdec {

// The upper-case hexadecimal text of the low 32 bits of the integer part of the number the whole
// input reads as. The first byte that is not an ASCII digit, if any, is reported, and the scan
// stops there; the value is read all the same.
Text decimalTextToHexText(const Text& input, const ReportPosition& report);

// The action of the button 转16进制: 编辑框1 in decimal, 编辑框2 out in hexadecimal, at most one
// message, then exactly one write.
void convertDecimalToHex(ControlBridge& bridge);

}  // namespace hexdec
