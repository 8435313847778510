// The resources built into the program, shared by its resource script and its code.
#pragma once

#define DORVANTA_ICON 1
#define DORVANTA_FONT 2
