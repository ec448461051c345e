#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

// Mono 16-bit speech.
struct TSpeech {
    int sampleRate = 0;
    std::vector<std::int16_t> samples;
};

// The speech synthesiser could not start or speak.
class TSpeechError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Speaks pinyin with tone numbers ("ni3 hao3") in the Mandarin pinyin voice, trimmed of
// silence, its loudest sample at -3 dB, with a short lead-in and a pause after it.
// Throws TSpeechError when espeak-ng or its voice data is not there.
TSpeech SpeakPinyin(const std::string& spoken);

// A RIFF/WAVE file of 16-bit PCM mono.
std::string EncodeWav(const TSpeech& speech);

// Throws TSpeechError when espeak-ng or its pinyin voice cannot be had.
void CheckSpeech();
