#pragma once

#include <QPixmap>

#include <vector>

// The unit badges the panels show, painted at start-up (16 x 16 each).
// ImageList1: yellow digits on black, "1" .. "13" and "F" (images 0 .. 13).
std::vector<QPixmap> MakeImageList1();
// ImageList2: light seven-segment digits on grey, "12", "1", "2", .. "11" (images 0 .. 11).
std::vector<QPixmap> MakeImageList2();
