#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <vector>

// Stands in for the desktop's open service: records every address handed to it.
class TUrlRecorder : public QObject {
    Q_OBJECT

public:
    TUrlRecorder()
    {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~TUrlRecorder() override
    {
        for (const char* scheme : {"file", "http", "https"})
            QDesktopServices::unsetUrlHandler(scheme);
    }

    std::vector<QUrl> opened;

public slots:
    void Open(const QUrl& url) { opened.push_back(url); }
};
