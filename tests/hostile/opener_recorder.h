// Stands in for the desktop's opener: every URL the program hands to
// QDesktopServices, whatever its scheme, lands here instead of reaching
// xdg-open, so a test sees exactly what was handed over.
#pragma once

#include <QDesktopServices>
#include <QObject>
#include <QStringList>
#include <QUrl>

#include <vector>

class OpenerRecorder : public QObject {
    Q_OBJECT

public:
    // The schemes the hostile pages use, and the empty one of a bare path.
    static QStringList schemes() {
        return {QStringLiteral("magnet"), QStringLiteral("file"), QStringLiteral("http"),
                QStringLiteral("https"), QString()};
    }

    OpenerRecorder() {
        for (const QString& scheme : schemes()) QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~OpenerRecorder() override {
        for (const QString& scheme : schemes()) QDesktopServices::unsetUrlHandler(scheme);
    }

    std::vector<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};
