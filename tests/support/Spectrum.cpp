#include "support/Spectrum.h"

#include <cmath>

double BandShare(const std::vector<int16_t> &Samples, double Low, double High, int Rate)
{
    // 20 ms frames: each 50 Hz bin then takes everything within 25 Hz of it, so
    // no harmonic of a voice falls between the bins.
    const size_t frame = size_t(Rate / 50);
    double band = 0, total = 0;
    for (size_t start = 0; start + frame <= Samples.size(); start += frame) {
        for (int hz = 50; hz <= 10000; hz += 50) {
            // Goertzel: the power of one frequency over the frame.
            const double coeff = 2 * std::cos(2 * M_PI * hz / Rate);
            double s1 = 0, s2 = 0;
            for (size_t i = 0; i < frame; ++i) {
                const double s0 = Samples[start + i] + coeff * s1 - s2;
                s2 = s1;
                s1 = s0;
            }
            const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
            total += power;
            if (hz >= Low && hz <= High)
                band += power;
        }
    }
    return total > 0 ? band / total : 0;
}

double Rms(const std::vector<int16_t> &Samples)
{
    double sum = 0;
    for (int16_t s : Samples)
        sum += double(s) * s;
    return Samples.empty() ? 0 : std::sqrt(sum / double(Samples.size()));
}
