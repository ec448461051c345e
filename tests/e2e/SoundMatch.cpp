// sound_match <recording.raw> <sound.wav>: whether a raw recording (signed 16-bit mono at
// the sound's rate) holds the sound. Prints the best normalised correlation; exit 0
// when it is above 0.9.
#include "platform/core/FileBytes.h"
#include "platform/media/TWavDecoder.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <algorithm>
#include <vector>

namespace {

std::vector<double> Mono(const TWavSound& sound)
{
    std::vector<double> samples;
    for (std::int64_t frame = 0; frame < sound.FrameCount(); ++frame)
        samples.push_back(sound.SampleAt(frame, 0));
    return samples;
}

std::vector<double> Recording(const std::string& bytes)
{
    std::vector<double> samples(bytes.size() / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        int16_t value;
        std::memcpy(&value, bytes.data() + 2 * i, 2);
        samples[i] = value / 32768.0;
    }
    return samples;
}

double Correlation(const std::vector<double>& recording, std::size_t offset, const std::vector<double>& sound)
{
    double dot = 0, a = 0, b = 0;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        double r = recording[offset + i];
        dot += r * sound[i];
        a += r * r;
        b += sound[i] * sound[i];
    }
    return (a == 0 || b == 0) ? 0 : dot / std::sqrt(a * b);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: sound_match <recording.raw> <sound.wav>\n");
        return 2;
    }
    std::vector<double> recording = Recording(ReadFileBytes(argv[1]));
    std::vector<double> sound = Mono(TWavDecoder::Decode(ReadFileBytes(argv[2])));
    double best = 0;
    for (std::size_t offset = 0; offset + sound.size() <= recording.size(); ++offset)
        best = std::max(best, Correlation(recording, offset, sound));
    std::printf("correlation %.3f\n", best);
    return best > 0.9 ? 0 : 1;
}
