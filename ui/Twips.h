#pragma once

// The windows' stored measures: twips, 1440 to the inch.
namespace varnock::ui {

// Twips to pixels at 96 DPI (15 twips a pixel).
constexpr int Px(int twips) { return (twips + 7) / 15; }

// Left, top, width, height in twips, relative to the container.
struct Twips {
  int left, top, width, height;
};

}  // namespace varnock::ui
