#include "actions/support_links.h"

#include "actions/link_hand_off.h"
#include "build_config.h"

std::string supportChatLink(std::string_view account) {
    return "tencent://Message/?Uin=" + std::string(account);
}

void onSupportButton1Clicked() {
    handOffLink(supportChatLink(buildConfig::supportAccount1));
}

void onSupportButton2Clicked() {
    handOffLink(supportChatLink(buildConfig::supportAccount2));
}
