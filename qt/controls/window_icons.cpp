#include "controls/window_icons.h"

#include <QPixmap>

// The icons are XPM text compiled into the program: read without any image
// plugin, and every pixel stays reviewable in the source.
#include "icons/microphone.xpm"
#include "icons/notes-16.xpm"
#include "icons/notes-32.xpm"

namespace velmora {

QIcon MicrophoneIcon() { return QIcon(QPixmap(microphone_xpm)); }

QIcon NotesIcon() {
  QIcon icon{QPixmap(notes_32_xpm)};
  icon.addPixmap(QPixmap(notes_16_xpm));
  return icon;
}

}  // namespace velmora
