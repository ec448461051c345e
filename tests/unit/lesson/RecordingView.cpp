#include "RecordingView.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileBytes.h"
#include "platform/core/NoteText.h"
#include "platform/core/Paths.h"

void TRecordingView::SetStatusText(int panel, const std::string& text)
{
    status[panel] = text;
}

void TRecordingView::LoadPicture(const std::string& path)
{
    log.push_back("picture " + ExtractFileName(path));
    std::string bytes = ReadFileBytes(path);
    if (bytes == "broken")
        throw EJPEG("JPEG error #55");
    picture = bytes;
}

void TRecordingView::LoadNote(const std::string& path)
{
    log.push_back("note " + ExtractFileName(path));
    note = LoadNoteFile(path);
}

void TRecordingView::PlaySound(const std::string& path)
{
    log.push_back("sound " + ExtractFileName(path));
    if (!FileExists(path))
        throw EMCIDeviceError("The specified file was not found.");
    sound = path;
}

void TRecordingView::Tick(TPlaybackEngine& engine)
{
    if (timerEnabled)
        engine.tmr_playTimer();
}

std::string MakeCourse(const TTempDir& dir, const std::string& name, int32_t count,
                       const std::string& courseName)
{
    std::string folder = dir.MakeDir(name);
    std::string prefix = name + "/";
    dir.Write(prefix + "index.ini",
              "[set]\r\nCourse=" + courseName + "\r\nMaxLength=" + std::to_string(count) + "\r\n");
    for (int32_t n = 1; n <= count; ++n) {
        std::string number = std::to_string(n);
        dir.Write(prefix + number + ".jpg", "picture " + number);
        dir.Write(prefix + number + ".txt", "note " + number);
        dir.Write(prefix + number + ".wav", "sound " + number);
    }
    return folder;
}
