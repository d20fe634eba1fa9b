#include "actions/link_hand_off.h"

#include <QDesktopServices>
#include <QUrl>

#include "actions/link_policy.h"
#include "ui/program_text.h"

bool handOffLink(std::string_view link) {
    if (!isHandOffLink(link)) return false;
    const QUrl url(toQString(link));
    return url.isValid() && QDesktopServices::openUrl(url);
}
