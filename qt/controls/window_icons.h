#pragma once

#include <QIcon>

namespace velmora {

// The chart window's and the program's icon: a stage microphone.
QIcon MicrophoneIcon();
// The About window's icon: notes, at 32 and 16 pixels.
QIcon NotesIcon();

}  // namespace velmora
