#include "app/window_wait.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <atomic>

#include "net/request_wait.h"
#include "ui/main_window.h"
#include "ui/toolkit.h"

namespace {

constexpr int donePollMs = 10;

bool isUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::Shortcut:
        case QEvent::ShortcutOverride:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return true;
        default:
            return false;
    }
}

// Swallows user input while a request runs. A request to close the window is
// held back too, and carried out once the command has finished with it.
class InputBlocker : public QObject {
public:
    explicit InputBlocker(QWidget* window) : window_(window) {
        qApp->installEventFilter(this);
    }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

    bool closeRequested() const { return closeRequested_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close && watched == window_) {
            closeRequested_ = true;
            event->ignore();
            return true;
        }
        return isUserInput(event->type());
    }

private:
    QPointer<QWidget> window_;
    bool closeRequested_ = false;
};

void waitWhilePainting(const std::atomic<bool>& done) {
    QPointer<MainWindow> window = &mainWindow();
    InputBlocker blocker(window);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&loop, &done] {
        if (done.load()) loop.quit();
    });
    poll.start(donePollMs);
    if (!done.load()) loop.exec();
    QApplication::restoreOverrideCursor();
    // The command still fills the window after the request; close afterwards.
    if (blocker.closeRequested() && window) {
        QTimer::singleShot(0, window, &QWidget::close);
    }
}

}  // namespace

void installWindowWait() {
    setRequestWaitHook(waitWhilePainting);
}
