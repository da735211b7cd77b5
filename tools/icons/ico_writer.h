#pragma once

#include <QByteArray>
#include <QList>
#include <QImage>

namespace velmora::icons {

// The bytes of a Windows .ico file holding `images` in the given order, each
// as a classic 16-colour entry: a 4-bit bitmap over the standard palette
// (standard_palette.h) with a 1-bit transparency mask.
//
// Every pixel of every image must be either fully transparent or opaque in
// one of the sixteen palette colours, and each side 1 to 256 pixels long;
// anything else throws std::invalid_argument.
QByteArray EncodeIco(const QList<QImage>& images);

}  // namespace velmora::icons
