#pragma once
// The narrow seam through which the game reaches the windows that show it.
#include "platform/bitmap.h"
#include "platform/image_list.h"
#include "platform/status_bar.h"

namespace engine {

class BoardHost {
 public:
  virtual ~BoardHost() = default;
  // Gives the board panel and its picture width × height pixels and centres the panel in
  // the main window above the status bars (see BoardPanelRect).
  virtual void PlaceBoard(int width, int height) = 0;
  // Shows the board picture's current contents on screen at once.
  virtual void RepaintBoard() = 0;
  // Shows the turn indicator's picture on screen at once.
  virtual void RepaintIndicator() = 0;
  // The player to move has no move: announce the result (the counts are fresh).
  virtual void ShowGameOver() = 0;
};

// The bubble pictures: the colour change, Blue's and Green's growth frames, and the
// large bubbles of the turn indicator.
struct ImageLists {
  platform::ImageList ImageList1;  // 25 × 30×30: Blue (0) through pale to Green (24)
  platform::ImageList ImageList2;  // 13 × 30×30: Blue bubble shrinking, 12 is the empty cell
  platform::ImageList ImageList3;  // 13 × 30×30: Green bubble shrinking
  platform::ImageList ImageList4;  // 2 × 64×64: large Blue (0) and Green (1) bubbles
};

// What the board draws on and writes to; owned by the main window.
struct BoardDisplay {
  platform::Bitmap* image = nullptr;              // the board picture
  const ImageLists* lists = nullptr;
  platform::StatusBarModel* statusBar1 = nullptr;  // the numbers
  platform::StatusBarModel* statusBar2 = nullptr;  // the captions, coloured for the mover
  platform::Bitmap* indicator = nullptr;          // the turn indicator's 64×64 picture
  BoardHost* host = nullptr;
};

}  // namespace engine
