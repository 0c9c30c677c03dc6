#pragma once
// Where the energy of a recorded sound lies in frequency, to tell speech from a
// tone: frames of 20 ms, each measured at every 50 Hz from 50 Hz to 10 kHz.
#include <cstdint>
#include <vector>

// Of the energy from 50 Hz to 10 kHz, the share from Low to High Hz (0 to 1);
// 0 for silence.
double BandShare(const std::vector<int16_t> &Samples, double Low, double High, int Rate);
// Root mean square of the samples, in sample units.
double Rms(const std::vector<int16_t> &Samples);
