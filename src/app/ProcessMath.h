#ifndef PROCESSMATH_H
#define PROCESSMATH_H

// The arithmetic of the process slots: the job-time estimate and the plate
// and beam angles, in the units the card and the displays use.
class ProcessMath
{
public:
    // Whole minutes still needed: pierces x pierceSeconds plus the rapid and
    // cut lengths (0.01 mm) at their speeds (mm/min). A term whose speed is
    // not positive is left out rather than divided by.
    static int remainMinutes(int pierces, double pierceSeconds, int rapidLength, int cutLength, int topSpeed,
                             int cutSpeed);

    // Angle in degrees of the plate edge from the first to the second point
    // (mm), folded into [-90, 90]; an edge with equal x or equal y gives 0.
    static double plateAngle(double firstX, double firstY, double secondX, double secondY);

    // Beam angles in degrees from what the two beam sensors touched; d is the
    // distance the card reports between the two touches.
    static double onlyLeftAngle() { return leftRightAngle(kSingleOffset); }
    static double onlyRightAngle() { return rightLeftAngle(kSingleOffset); }
    static double leftRightAngle(double d);
    static double rightLeftAngle(double d);

    static constexpr double kPi = 3.14159265;
    static constexpr double kSensorSpacing = 620000;
    static constexpr double kSingleOffset = 10000;
};

#endif
