#include "controls/form_font.h"

#include <cmath>

namespace velmora::win32 {

HFONT CreateFormFont(double pointSize, bool bold, UINT dpi) {
  // A negative height asks for the character height, as point sizes are.
  const int height = -static_cast<int>(std::lround(pointSize * dpi / 72.0));
  return CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                     L"MS Sans Serif");
}

}  // namespace velmora::win32
