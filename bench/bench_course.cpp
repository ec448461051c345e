// Building a course: words per second for a 100-word list, cards drawn, sounds
// synthesised and every file written as the tool does it.
#include "tools/course/CourseBuilder.h"
#include "tools/course/Pinyin.h"
#include "tools/course/WordCard.h"
#include "tools/course/WordSound.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {

constexpr int kWords = 100;

// A hundred words of one to four characters, from the Demo's vocabulary.
std::string HundredWordList()
{
    struct TWord {
        const char* characters;
        const char* pinyin;
        const char* meaning;
    };
    constexpr TWord kVocabulary[] = {
        {"你好", "nǐ hǎo", "hello"}, {"谢谢", "xie4 xie5", "thank you"}, {"中国", "Zhōngguó", "China"},
        {"人", "rén", "person"}, {"大学生", "dàxuéshēng", "university student"},
        {"朋友", "péngyou", "friend"}, {"老师", "lao3shi1", "teacher"},
        {"一二三四", "yī èr sān sì", "one two three four"}, {"水", "shui3", "water"}, {"茶", "chá", "tea"},
    };
    std::string list;
    for (int i = 0; i < kWords; ++i) {
        const TWord& word = kVocabulary[i % std::size(kVocabulary)];
        list += std::string(word.characters) + "\t" + word.pinyin + "\t" + word.meaning + "\tWord "
            + std::to_string(i + 1) + ".\\nA second line.\n";
    }
    return list;
}

void BM_BuildCourse(benchmark::State& state)
{
    QTemporaryDir dir;
    std::string folder = dir.path().toStdString();
    std::ofstream(folder + "/words.tsv") << HundredWordList();
    TCourseBuild build {folder + "/words.tsv", folder + "/course", "Bench", true};
    for (auto _ : state)
        BuildCourse(build);
    state.counters["words/s"] = benchmark::Counter(double(kWords) * double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BuildCourse)->Unit(benchmark::kMillisecond)->UseRealTime();

// The parts of one word, to see where a build's time goes.
void BM_DrawCard(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeJpeg(RenderWordCard("大学生", "dàxuéshēng")));
}
BENCHMARK(BM_DrawCard)->Unit(benchmark::kMicrosecond);

void BM_SpeakWord(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(EncodeWav(SpeakPinyin("da4 xue2 sheng1")));
}
BENCHMARK(BM_SpeakWord)->Unit(benchmark::kMicrosecond);

} // namespace
