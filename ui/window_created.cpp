#include "ui/window_created.h"

#include "ui/main_window.h"
#include "ui/program_text.h"
#include "ui/toolkit.h"

void onWindowCreated() {
    setTheme(1);
    setText(mainWindow().搜索编辑框, programText(u8"老炮儿"));
}
