#include "library/shapes/ShapeMath.h"

#include "library/shapes/ShapeCopy.h"

#include <cmath>

int ShapeMath::closingY(const ShapeCopy &copy, int stillToCome)
{
    int sum = stillToCome;
    for (int k = 0; k < copy.size(); ++k)
        sum += copy.at(k).y;
    return -sum;
}

int ShapeMath::truncated(double v)
{
    if (!std::isfinite(v) || std::fabs(v) >= 9.0e18)
        return 0;
    return static_cast<int>(static_cast<long long>(std::trunc(v)));
}

ShapeMath::Tangent ShapeMath::tipTangent(int b, int c, int d)
{
    const long long rise = static_cast<long long>(c) - 2LL * d;
    const long long run = static_cast<long long>(b / 2) - d;
    if (run == 0)
        return {rise >= 0 ? d : -d, 0};
    const double t = std::atan(static_cast<double>(rise) / static_cast<double>(run));
    return {truncated(d * std::sin(t)), truncated(d * std::cos(t))};
}
