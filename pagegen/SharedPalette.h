#pragma once

#include <QPalette>

// The palette with every colour of `palette`, one object per set of colours: controls given equal colours
// share it, and the style's caches, keyed by the palette, keep one entry for them instead of one for
// every control ever opened. A palette with a brush that is no plain colour comes back as it is.
QPalette SharedPalette(const QPalette& palette);
