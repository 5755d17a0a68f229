#pragma once

// The upper tail of the chi-square distribution with `degrees` degrees of freedom at
// `chiSquare`: the p-value of a goodness-of-fit test. 1 for fewer than one degree of freedom.
double ChiSquareTail(double chiSquare, int degrees);
