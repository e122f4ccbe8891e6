#pragma once
// What the shipped data file is made with: the sizing assumptions, the target
// length, both diameter lists, title, version and help lines.
#include "tools/refgen/DataFileWriter.h"
#include "tools/refgen/Sizing.h"

SizingAssumptions shippedAssumptions();
DataFileHeader shippedHeader();
