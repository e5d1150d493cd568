#pragma once

class TPendel;
class TKoordinatensystem;

// Draws the plant in red with a 2-pixel pen in the plot's pen mode: the rod
// standing on a 10 x 7 pixel cart (inverted pendulum), or the rope hanging
// from a 10 x 7 pixel trolley on the rail at the height of the rope's length
// (crane). In XOR mode a second call with the same state removes it. Parts
// whose values cannot be mapped (not a number) are left out.
void ZeigePendel(const TPendel& pendel, TKoordinatensystem& k);
