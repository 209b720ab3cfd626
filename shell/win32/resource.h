#pragma once

// Shared by the resource script and the program.
#define HEXDEC_ICON 1
