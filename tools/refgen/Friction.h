#pragma once
// Darcy friction factors for flow in a round tube.

// Churchill (1977): one expression for laminar, transitional and turbulent
// flow, with the wall's relative roughness (roughness / diameter).
double churchillFriction(double reynolds, double relativeRoughness);

// Blasius: 0.3164 Re^-0.25, smooth tube, turbulent flow (Re about 4000 to 1e5);
// 64/Re below Re = 2000.
double blasiusFriction(double reynolds);
