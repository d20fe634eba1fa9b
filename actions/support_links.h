// The two buttons that open a chat with the maker's support accounts.
#pragma once

#include <string>
#include <string_view>

// "tencent://Message/?Uin=" with the account number appended as it is.
std::string supportChatLink(std::string_view account);

void onSupportButton1Clicked();
void onSupportButton2Clicked();
