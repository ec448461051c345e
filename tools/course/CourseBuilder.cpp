#include "tools/course/CourseBuilder.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileBytes.h"
#include "platform/media/TMediaPlayer.h"
#include "platform/media/TWavDecoder.h"
#include "tools/course/Utf8.h"
#include "tools/course/WordCard.h"
#include "tools/course/WordList.h"
#include "tools/course/WordSound.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <regex>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// The longest course name the lesson player reads back whole.
constexpr std::size_t kMaxCourseName = 2047;
const std::regex kWordFileName {R"(\d+\.(jpg|txt|wav))", std::regex::icase};

[[noreturn]] void ThrowWriteError(const std::string& path, int error)
{
    throw TCourseError("cannot write " + path + ": " + std::strerror(error));
}

std::string ReadRecording(const TWordEntry& word, const std::string& listPath)
{
    auto fault = [&](const std::string& what) {
        return TWordListError(listPath + ":" + std::to_string(word.line) + ": the recording \"" + word.recording + "\" " + what);
    };
    struct stat info {};
    if (::stat(word.recording.c_str(), &info) != 0 && errno == ENOENT)
        throw fault("is missing");
    std::string bytes;
    try {
        bytes = ReadFileBytes(word.recording, TFileLimit {TMediaPlayer::kMaxFileBytes, "too large"});
    } catch (const EFOpenError& error) {
        throw fault(std::string("cannot be read: ") + error.what());
    } catch (const EOutOfResources&) {
        throw fault("is larger than Zintaro plays");
    }
    try {
        if (TWavDecoder::Decode(bytes).FrameCount() == 0)
            throw fault("holds no sound");
    } catch (const TWavError& error) {
        throw fault(std::string("is not a WAV file Zintaro plays: ") + error.what());
    }
    return bytes;
}

std::string CourseName(const TCourseBuild& build)
{
    std::string name = build.courseName.empty() ? fs::path(build.listPath).stem().string() : build.courseName;
    bool control = std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (name.size() > kMaxCourseName || control || !IsValidUtf8(name))
        throw TCourseError("the course name must be one line of UTF-8 text of at most 2047 bytes");
    return name;
}

void CheckOutDir(const TCourseBuild& build)
{
    std::error_code error;
    fs::file_status status = fs::status(build.outDir, error);
    if (!fs::exists(status))
        return;
    if (!fs::is_directory(status))
        throw TCourseError(build.outDir + " is not a folder");
    if (!build.force && HoldsCourse(build.outDir))
        throw TCourseError(build.outDir + " already holds a course; --force replaces it");
}

// Files are written under a hidden name in the same folder and renamed, so the course
// never holds a half-written file.
void WriteFileAtomically(const std::string& folder, const std::string& name, const std::string& bytes, mode_t mode)
{
    std::string path = folder + "/" + name;
    std::string temporary = folder + "/." + name + ".XXXXXX";
    int fd = ::mkstemp(temporary.data());
    if (fd < 0)
        ThrowWriteError(path, errno);
    std::size_t written = 0;
    int error = ::fchmod(fd, mode) == 0 ? 0 : errno;
    while (error == 0 && written < bytes.size()) {
        ssize_t done = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (done < 0 && errno != EINTR)
            error = errno;
        else if (done > 0)
            written += std::size_t(done);
    }
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        ThrowWriteError(path, error);
    }
}

// Files as the learner's other files are made: 0666 less the umask.
mode_t FileMode()
{
    mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Word files a replaced course had beyond the new word count.
void RemoveStaleWords(const std::string& folder, std::size_t count)
{
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        std::string name = entry.path().filename().string();
        if (!std::regex_match(name, kWordFileName))
            continue;
        std::string digits = name.substr(0, name.find('.'));
        if (digits.front() != '0' && (digits.size() > 9 || std::stoul(digits) > count))
            fs::remove(entry.path(), error);
    }
}

std::string WordSound(const TWordEntry& word, const std::string& listPath)
{
    if (!word.recording.empty())
        return ReadRecording(word, listPath);
    return EncodeWav(SpeakPinyin(SpokenPinyin(word.pinyin.syllables)));
}

} // namespace

bool HoldsCourse(const std::string& folder)
{
    std::error_code error;
    if (fs::exists(folder + "/index.ini", error))
        return true;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error))
        if (std::regex_match(entry.path().filename().string(), kWordFileName))
            return true;
    return false;
}

std::string NoteText(const std::string& pinyin, const std::string& meaning, const std::string& note)
{
    std::string text = pinyin + "\r\n" + meaning + "\r\n";
    if (note.empty())
        return text;
    text += "\r\n";
    for (char c : note)
        text += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return text + "\r\n";
}

std::size_t BuildCourse(const TCourseBuild& build, const TBuildProgress& progress)
{
    std::vector<TWordEntry> words = ReadWordList(build.listPath);
    bool speaks = false;
    for (const TWordEntry& word : words) {
        if (word.recording.empty())
            speaks = true;
        else
            ReadRecording(word, build.listPath);
    }
    std::string name = CourseName(build);
    CheckOutDir(build);
    CheckCardFonts();
    if (speaks)
        CheckSpeech();

    std::error_code error;
    fs::create_directories(build.outDir, error);
    if (error)
        throw TCourseError("cannot make the folder " + build.outDir + ": " + error.message());
    mode_t mode = FileMode();
    for (std::size_t i = 0; i < words.size(); ++i) {
        const TWordEntry& word = words[i];
        std::string number = std::to_string(i + 1);
        WriteFileAtomically(build.outDir, number + ".jpg", EncodeJpeg(RenderWordCard(word.characters, word.pinyin.display)), mode);
        WriteFileAtomically(build.outDir, number + ".txt", NoteText(word.pinyin.display, word.meaning, word.note), mode);
        WriteFileAtomically(build.outDir, number + ".wav", WordSound(word, build.listPath), mode);
        if (progress)
            progress(i + 1, words.size());
    }
    std::string index = "[set]\r\nCourse=" + name + "\r\nMaxLength=" + std::to_string(words.size()) + "\r\n";
    WriteFileAtomically(build.outDir, "index.ini", index, mode);
    RemoveStaleWords(build.outDir, words.size());
    return words.size();
}
