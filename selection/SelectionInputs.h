#pragma once
// The values the user entered, in the units of UnitSettings. The ambient
// temperature is carried along (it is stored and converted) but takes no part
// in the calculation.

struct SelectionInputs {
    double heatLoad = 0;      // W or Btu/hr
    double evapTemp = 0;      // ºC or ºF
    double condTemp = 0;      // ºC or ºF
    double returnGasTemp = 0; // ºC or ºF
    double ambientTemp = 0;   // ºC or ºF
};
