#include "common/checked_math.h"

#include "common/error.h"

#include <cmath>
#include <string>

namespace hullcalc {

double requireFinite(double value)
{
    if (std::isnan(value))
        throw Error(std::string(messages::invalidOperation));
    if (std::isinf(value))
        throw Error(std::string(messages::overflow));
    return value;
}

double divide(double numerator, double denominator)
{
    if (std::isnan(numerator) || std::isnan(denominator))
        throw Error(std::string(messages::invalidOperation));
    if (denominator == 0.0)
        throw Error(std::string(numerator == 0.0 ? messages::invalidOperation : messages::divisionByZero));
    return requireFinite(numerator / denominator);
}

double squareRoot(double value)
{
    if (std::isnan(value) || value < 0.0)
        throw Error(std::string(messages::invalidOperation));
    return requireFinite(std::sqrt(value));
}

}  // namespace hullcalc
