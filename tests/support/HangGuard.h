#ifndef HANGGUARD_H
#define HANGGUARD_H

// How long a test lets something take before it calls it endless. A test
// checks that a start beside a pipe, a save through one or a loop told to
// stop comes to an end, never how fast: the speed is measured in benches/.
// The limit lies far above the slowest time expected (the sanitizer build
// on a machine whose cores all are busy), so no load makes a test fail.
constexpr int kHangGuardMs = 10000;

#endif
