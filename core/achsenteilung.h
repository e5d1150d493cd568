#pragma once

// The smallest of 1, 2 or 5 times a power of ten that is at least x (within
// a rounding error), the step of every axis division; 1 for a value that is
// not a positive finite number.
double EinsZweiFuenf(double x);
