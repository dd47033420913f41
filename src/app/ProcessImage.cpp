#include "app/ProcessImage.h"

namespace {

constexpr quint32 bit(int output)
{
    return 1u << output;
}

using S = sys_t;

constexpr quint32 kPreheat = bit(S::PreheatOxygen);
constexpr quint32 kCutting = bit(S::CuttingOxygen);
constexpr quint32 kIgnition = bit(S::Ignition);
constexpr quint32 kStages = bit(S::Pierce1) | bit(S::Pierce2) | bit(S::Pierce3);
constexpr quint32 kPowder = bit(S::PowderPreheat);
constexpr quint32 kHeight = bit(S::AutoHeight);
constexpr quint32 kUp = bit(S::TorchUp);
constexpr quint32 kDown = bit(S::TorchDown);
constexpr quint32 kArc = bit(S::ArcStart);
constexpr quint32 kVoltage = bit(S::ArcVoltage);

// Indexed by Step.
constexpr ProcessImage::Change kChanges[ProcessImage::StepCount] = {
    {0, kDown},                             // DwDownEnd
    {kPreheat | kIgnition, 0},              // Df
    {kIgnition | kPowder, 0},               // PowderDf
    {0, kIgnition},                         // DfEnd
    {kPreheat, 0},                          // PreheatOn
    {0, kHeight},                           // CkUp
    {kUp, kHeight},                         // CkUpLift
    {0, kUp},                               // CkUpEnd
    {bit(S::Pierce1), 0},                   // DoCK1
    {bit(S::Pierce2), 0},                   // DoCK2
    {bit(S::Pierce3), 0},                   // DoCK3
    {0, kStages},                           // Ck3End
    {kCutting, 0},                          // OxygenOn
    {kHeight, 0},                           // CkDown
    {kHeight | kDown, 0},                   // CkDownLower
    {0, kDown},                             // CkDownEnd
    {0, kCutting},                          // OxygenOff
    {0, kCutting | kPreheat},               // PowderOxygenOff
    {0, kPreheat},                          // PreheatOff
    {0, kHeight},                           // OxoffUp
    {kUp, kHeight},                         // OxoffUpLift
    {0, kUp},                               // OxoffUpEnd
    {0, kPreheat | kCutting | kHeight},     // FireEnd
    {kDown, 0},                             // DLZTorchDownCollision
    {kHeight, 0},                           // DLZTorchDownCapacitive
    {kUp, kDown},                           // DLZTorchUp
    {kUp, 0},                               // DLZDWUpStart
    {0, kHeight | kUp},                     // DLZDWUpEnd
    {0, kUp | kDown},                       // DLZDWSuccess
    {kArc, 0},                              // DLZYHStart
    {0, kArc},                              // DLZYHEnd
    {kVoltage, 0},                          // DLZHYOn
    {kHeight, 0},                           // DLZHYOnJogging
    {kUp, kDown | kArc | kVoltage},         // DLZOff
    {0, kHeight | kDown | kArc | kVoltage}, // DLZOffJogging
    {0, kUp},                               // DLZOffEnd
    {0, kHeight},                           // DLZConerOff
    {kHeight, 0},                           // DLZConerOn
    {0, kDown},                             // DLZKnock
    {0, kHeight | kArc | kVoltage},         // DlzEnd
};

} // namespace

ProcessImage::Change ProcessImage::change(Step step)
{
    return step >= 0 && step < StepCount ? kChanges[step] : Change{0, 0};
}

sys_t ProcessImage::apply(sys_t image, Step step)
{
    const Change c = change(step);
    for (int output = 0; output < 24; ++output) {
        if (c.off & bit(output))
            image.set(output, false);
        if (c.on & bit(output))
            image.set(output, true);
    }
    return image;
}

quint32 ProcessImage::bits(const sys_t &image)
{
    return quint32(image.byte[0]) | quint32(image.byte[1]) << 8 | quint32(image.byte[2]) << 16;
}
