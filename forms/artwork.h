#pragma once
// The artwork embedded in the executable, turned into the game's own picture types.
#include <QImage>

#include "engine/board_host.h"

namespace forms {

engine::ImageLists LoadImageLists();
// The background picture, decoded from its JPEG by libjpeg.
QImage LoadBackground();

}  // namespace forms
