#include "app/ProcessMath.h"

#include <cmath>

int ProcessMath::remainMinutes(int pierces, double pierceSeconds, int rapidLength, int cutLength, int topSpeed,
                               int cutSpeed)
{
    double minutes = pierces * pierceSeconds / 60.0;
    // Whole minutes per term, as the card's estimate has always counted them.
    if (topSpeed > 0)
        minutes += (rapidLength / 100) / topSpeed;
    if (cutSpeed > 0)
        minutes += (cutLength / 100) / cutSpeed;
    return int(minutes);
}

double ProcessMath::plateAngle(double firstX, double firstY, double secondX, double secondY)
{
    double a = 0.0;
    if (firstX != secondX && firstY != secondY)
        a = std::atan2(secondY - firstY, secondX - firstX) * 180.0f / kPi;
    if (a < -90.0f)
        a += 180.0f;
    else if (a > 90.0f)
        a -= 180.0f;
    return a;
}

double ProcessMath::leftRightAngle(double d)
{
    return 90.0f - std::atan2(kSensorSpacing, d) * 180 / kPi;
}

double ProcessMath::rightLeftAngle(double d)
{
    return std::atan2(kSensorSpacing, d) * 180 / kPi - 90.0f;
}
