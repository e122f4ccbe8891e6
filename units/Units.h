#pragma once
// Unit labels, conversions and display formats. Pure functions, no state.
// Texts are Windows-1252: the degree labels start with byte 0xBA (º), not the
// degree sign.
#include "units/UnitSettings.h"
#include <string>

// The label of a unit kind under the given settings ("m", "in.", "\xBA" "C", ...).
// Any kind outside 0..5 gives a single space.
const char* UnitLabel(const UnitSettings& units, int kind);

// Display conversions, from the internal unit to the user's.
double LengthForDisplay(const UnitSettings& units, double metres); // × 39.37 when lengthUnit == 1
double DiameterForDisplay(const UnitSettings& units,
                          double millimetres); // × 0.039370078740157 when diameterUnit == 1
double FlowForDisplay(const UnitSettings& units,
                      double litresPerMinute); // × 0.035314662471284765 when flowUnit == 0
double PressureForDisplay(const UnitSettings& units,
                          double bar); // × 14.5037738 when pressureUnit == 1

// Input conversions.
double BtuPerHourToWatts(double btuPerHour);   // × 0.29307107
double WattsToBtuPerHour(double watts);        // × 3.41214163
double FahrenheitToCelsius(double fahrenheit); // (x − 32) / 1.8
double CelsiusToFahrenheit(double celsius);    // x × 1.8 + 32

// A length in inches as whole inches and eighths, always one eighth above the
// whole eighths in the fraction: 39.37 gives "39 3/8", 12.9 gives "13 ".
// Defined for every double: a negative length gives "-" and the text of its
// magnitude, NaN gives "nan", infinities "inf" and "-inf".
std::string FormatFractionalInches(double inches);

// Display texts of results, with the unit label.
std::string formatLength(const UnitSettings& units, double metres); // "1.00 m" or "39 3/8 in."
std::string formatDiameter(const UnitSettings& units,
                           double millimetres); // "0.80 mm" or "0.031 in."
std::string formatFlowNumber(const UnitSettings& units,
                             double litresPerMinute);      // "%0.1f" l/min, "%0.2f" CFM
std::string formatPressureDrop(const UnitSettings& units); // 10 bar as "10" or "145"
