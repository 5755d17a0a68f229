// Boost.Math's chi-squared distribution, kept in a file of its own: its headers are large, and
// the translation tools, which read the sources of the folder above, need not read them.
#include "casting/maths/ChiSquare.h"

#include <boost/math/distributions/chi_squared.hpp>

#include <algorithm>

double ChiSquareTail(double chiSquare, int degrees) {
    if (degrees < 1) {
        return 1;
    }
    const boost::math::chi_squared_distribution<double> distribution(degrees);
    return boost::math::cdf(boost::math::complement(distribution, std::max(chiSquare, 0.0)));
}
