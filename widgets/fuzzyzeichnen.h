#pragma once

class TFuzzy;
class TKoordinatensystem;

// Clears the plot to the window [a, b] x [0, 1] of the variable, draws its grid
// and every term as a trapezoid in the term's colour, with the short label
// above the plot over the term's b.
void Zeichnen(const TFuzzy& fuzzy, TKoordinatensystem& k);

// One pair of lines per term at the variable's x: up to the membership and
// across to the left end of the universe, in the term's XOR colour and the
// plot's pen mode. In XOR mode a second call with the same x removes them.
void ZugehoerigkeitZeichnen(const TFuzzy& fuzzy, TKoordinatensystem& k);
