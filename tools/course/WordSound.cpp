#include "tools/course/WordSound.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

// The pinyin voice reads tone numbers exactly; the plain Mandarin voice spells most
// characters out in English.
constexpr const char* kVoice = "cmn-latn-pinyin";
constexpr int kRate = 125; // words per minute
constexpr int kPitch = 50;
constexpr int kBufferMs = 200;
constexpr double kSilence = 0.003; // of full scale: below it is no speech
constexpr double kPeak = 0.7079; // -3 dB
constexpr double kLeadInSeconds = 0.05;
constexpr double kTailSeconds = 0.20;

int CollectSamples(short* samples, int count, espeak_EVENT* events)
{
    if (samples != nullptr && count > 0) {
        auto* out = static_cast<std::vector<std::int16_t>*>(events->user_data);
        out->insert(out->end(), samples, samples + count);
    }
    return 0;
}

// espeak-ng keeps one synthesiser per process; it is started on first use and
// released at exit.
class TSynthesiser {
public:
    TSynthesiser()
    {
        m_rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, kBufferMs, nullptr, espeakINITIALIZE_DONT_EXIT);
        if (m_rate <= 0)
            return;
        espeak_SetSynthCallback(CollectSamples);
        m_ready = espeak_SetVoiceByName(kVoice) == EE_OK && espeak_SetParameter(espeakRATE, kRate, 0) == EE_OK
            && espeak_SetParameter(espeakPITCH, kPitch, 0) == EE_OK;
    }
    ~TSynthesiser()
    {
        if (m_rate > 0)
            espeak_Terminate();
    }
    TSynthesiser(const TSynthesiser&) = delete;
    TSynthesiser& operator=(const TSynthesiser&) = delete;

    void Check() const
    {
        if (!m_ready)
            throw TSpeechError(std::string("espeak-ng cannot speak with its voice ") + kVoice + " (libespeak-ng1 and espeak-ng-data)");
    }

    TSpeech Speak(const std::string& text)
    {
        Check();
        TSpeech speech;
        speech.sampleRate = m_rate;
        if (espeak_Synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, &speech.samples) != EE_OK
            || espeak_Synchronize() != EE_OK)
            throw TSpeechError("espeak-ng could not speak \"" + text + "\"");
        return speech;
    }

private:
    int m_rate = 0;
    bool m_ready = false;
};

void TrimSilence(std::vector<std::int16_t>& samples)
{
    auto loud = [](std::int16_t sample) { return std::abs(int(sample)) > int(kSilence * 32768); };
    auto first = std::find_if(samples.begin(), samples.end(), loud);
    auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    if (first >= last) {
        samples.clear();
        return;
    }
    samples = std::vector<std::int16_t>(first, last);
}

void Normalise(std::vector<std::int16_t>& samples)
{
    int peak = 0;
    for (std::int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    if (peak == 0)
        return;
    double gain = kPeak * 32767 / peak;
    for (std::int16_t& sample : samples)
        sample = std::int16_t(std::lround(std::clamp(sample * gain, -32768.0, 32767.0)));
}

void Pad(TSpeech& speech)
{
    std::size_t lead = std::size_t(kLeadInSeconds * speech.sampleRate);
    std::size_t tail = std::size_t(kTailSeconds * speech.sampleRate);
    speech.samples.insert(speech.samples.begin(), lead, 0);
    speech.samples.insert(speech.samples.end(), tail, 0);
}

void PutLE(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += char((value >> (8 * i)) & 0xFF);
}

TSynthesiser& Synthesiser()
{
    static TSynthesiser synthesiser;
    return synthesiser;
}

} // namespace

void CheckSpeech() { Synthesiser().Check(); }

TSpeech SpeakPinyin(const std::string& spoken)
{
    TSpeech speech = Synthesiser().Speak(spoken);
    TrimSilence(speech.samples);
    Normalise(speech.samples);
    Pad(speech);
    return speech;
}

std::string EncodeWav(const TSpeech& speech)
{
    constexpr std::uint32_t kFormatSize = 16;
    constexpr std::uint32_t kPcm = 1;
    constexpr std::uint32_t kBytesPerSample = 2;
    std::uint32_t dataBytes = std::uint32_t(speech.samples.size() * kBytesPerSample);
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    PutLE(out, 4 + (8 + kFormatSize) + (8 + dataBytes), 4);
    out += "WAVEfmt ";
    PutLE(out, kFormatSize, 4);
    PutLE(out, kPcm, 2);
    PutLE(out, 1, 2); // mono
    PutLE(out, std::uint32_t(speech.sampleRate), 4);
    PutLE(out, std::uint32_t(speech.sampleRate) * kBytesPerSample, 4);
    PutLE(out, kBytesPerSample, 2);
    PutLE(out, 16, 2);
    out += "data";
    PutLE(out, dataBytes, 4);
    for (std::int16_t sample : speech.samples)
        PutLE(out, std::uint16_t(sample), 2);
    return out;
}
