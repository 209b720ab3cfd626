#pragma once

#include "conversion/control_bridge.h"
#include "conversion/report.h"
#include "conversion/types.h"

namespace hexdec {

// Converts the text of 编辑框1 into the text of 编辑框2, given the conversion itself.
using TextConversion = Text (*)(const Text& input, const ReportPosition& report);

// One click: reads 编辑框1 once, runs the conversion with a message for every byte it reports, and
// writes its result into 编辑框2 exactly once, after the last message.
void runConversionClick(ControlBridge& bridge, TextConversion convert);

}  // namespace hexdec
