// A temporary XDG data and config home in which one recording handler is the
// default for the magnet, tencent and file schemes and for plain text files,
// and a recording stand-in for xdg-open that passes every call on to the real one.
#pragma once

#include <QTemporaryDir>

#include <string>
#include <vector>

class XdgSandbox {
public:
    // Points this process's XDG variables and PATH at the sandbox and clears the
    // variables that would make xdg-open defer to a desktop environment.
    XdgSandbox();

    // Whether a real xdg-open was found to pass the calls on to.
    bool hasOpener() const { return !realOpener_.isEmpty(); }

    // The links given to the registered handler so far, one per launch.
    std::vector<std::string> handedLinks() const;

    // The arguments xdg-open was started with so far, in the order the calls began.
    std::vector<std::string> openerCalls() const;

    // A file that a file: link may name.
    QString localFile() const;

private:
    void writeHandler(const QString& kinds);
    void writeOpener();

    QTemporaryDir dir_;
    QString realOpener_;
};

// The process's one sandbox, set up on first use (before the application starts).
XdgSandbox& xdgSandbox();
