#pragma once
// The six page buttons: which page each shows, and where the bar under them moves.

#include <array>

struct PageButtonSpec {
    const char* name;    // the control
    const char* caption; // drawn on the button
    int page;            // page of the page control it shows
    int left;            // its left edge, and the bar's left edge once it is chosen
};

constexpr std::array<PageButtonSpec, 6> kPageButtons = {{
    {"超级按钮1", "定时关机", 0, 70},
    {"超级按钮2", "批量操作", 1, 130},
    {"超级按钮3", "备忘笔记", 2, 190},
    {"超级按钮5", "简单计算", 3, 250},
    {"超级按钮6", "聊天辅助", 4, 310},
    {"超级按钮4", "其他设置", 5, 370},
}};
