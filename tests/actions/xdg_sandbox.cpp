#include "tests/actions/xdg_sandbox.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

#include <cstdlib>
#include <fstream>

namespace {

void writeFile(const QString& path, const QString& content) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) std::abort();
    QTextStream(&file) << content;
}

void writeScript(const QString& path, const QString& content) {
    writeFile(path, content);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::vector<std::string> linesOf(const QString& path) {
    std::vector<std::string> lines;
    std::ifstream log(path.toStdString());
    for (std::string line; std::getline(log, line);) lines.push_back(line);
    return lines;
}

}  // namespace

XdgSandbox::XdgSandbox() : realOpener_(QStandardPaths::findExecutable("xdg-open")) {
    if (!dir_.isValid()) std::abort();
    const QString root = dir_.path();
    QDir().mkpath(root + "/bin");
    QDir().mkpath(root + "/data/applications");
    QDir().mkpath(root + "/config");
    writeHandler("x-scheme-handler/magnet;x-scheme-handler/tencent;x-scheme-handler/file;"
                 "text/plain;");
    writeOpener();
    writeFile(localFile(), "not to be opened\n");

    qputenv("PATH", root.toUtf8() + "/bin:" + qgetenv("PATH"));
    qputenv("XDG_DATA_HOME", (root + "/data").toUtf8());
    qputenv("XDG_CONFIG_HOME", (root + "/config").toUtf8());
    for (const char* name : {"XDG_CURRENT_DESKTOP", "XDG_SESSION_DESKTOP", "DESKTOP_SESSION",
                             "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID", "BROWSER",
                             "DEFAULT_BROWSER"})
        qunsetenv(name);
}

void XdgSandbox::writeHandler(const QString& kinds) {
    const QString root = dir_.path();
    const QString handler = root + "/record-link";
    writeScript(handler, "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + root + "/handed.log'\n");
    writeFile(root + "/data/applications/vantrel-record-link.desktop",
              "[Desktop Entry]\nType=Application\nName=Record link\nExec=" + handler +
                  " %u\nMimeType=" + kinds + "\n");
    QString defaults = "[Default Applications]\n";
    for (const QString& kind : kinds.split(';', Qt::SkipEmptyParts))
        defaults += kind + "=vantrel-record-link.desktop\n";
    writeFile(root + "/config/mimeapps.list", defaults);
}

void XdgSandbox::writeOpener() {
    if (!hasOpener()) return;
    writeScript(dir_.path() + "/bin/xdg-open",
                "#!/bin/sh\nprintf '%s\\n' \"$1\" >> '" + dir_.path() + "/opener.log'\nexec '" +
                    realOpener_ + "' \"$@\"\n");
}

std::vector<std::string> XdgSandbox::handedLinks() const {
    return linesOf(dir_.path() + "/handed.log");
}

std::vector<std::string> XdgSandbox::openerCalls() const {
    return linesOf(dir_.path() + "/opener.log");
}

QString XdgSandbox::localFile() const {
    return dir_.path() + "/notice.txt";
}

XdgSandbox& xdgSandbox() {
    static XdgSandbox sandbox;
    return sandbox;
}
