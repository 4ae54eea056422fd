#pragma once
// Names of pictures whose names the program chooses itself (the others are spelt where they
// are loaded). Header only: the generator draws them under these names and the shell finds
// its toolbar glyphs and chapter pictures by them in the image folder ("<name>.bmp").
#include <array>

namespace gen {

// Toolbar glyphs of the demonstration window, indexed by button tag - 1 (tag 1 "数据" ..
// tag 13 "返回"). 64 x 64, drawn transparent: the bottom-left pixel's colour is see-through.
inline constexpr std::array<const char*, 13> kToolbarGlyphs = {
    "tb_data",         // 1 数据    enter new input
    "tb_callstack",    // 2 调用栈  show the call stack
    "tb_desc",         // 3 说明    description
    "tb_stop",         // 4 暂停    pause
    "tb_run",          // 5 执行    run (F9)
    "tb_stepover",     // 6 单步    step over (F8)
    "tb_traceinto",    // 7 跟踪    trace into (F7)
    "tb_runtocursor",  // 8 执行到  run to cursor (F4)
    "tb_reset",        // 9 恢复    reset
    "tb_breakpoint",   // 10 断点   breakpoint panel
    "tb_options",      // 11 设置   options
    "tb_help",         // 12 帮助   help
    "tb_return",       // 13 返回   back to the selection
};

// Item pictures of the selection window, one per chapter in catalogue order (index 0 is
// "顺序表" .. 12 "外部排序"); the root item uses "AlgoSelRoot". 64 x 64, opaque.
inline constexpr std::array<const char*, 13> kChapterPictures = {
    "AlgoSelChapter1",  "AlgoSelChapter2",  "AlgoSelChapter3",  "AlgoSelChapter4",
    "AlgoSelChapter5",  "AlgoSelChapter6",  "AlgoSelChapter7",  "AlgoSelChapter8",
    "AlgoSelChapter9",  "AlgoSelChapter10", "AlgoSelChapter11", "AlgoSelChapter12",
    "AlgoSelChapter13",
};

}  // namespace gen
