#pragma once

#include <QByteArrayView>

namespace vireka {

// False when the bytes are a JPEG that stops before its end-of-image marker, or an uncompressed
// bitmap with fewer pixel bytes than its header gives. Qt's readers decode such files "successfully"
// and fill the missing part with grey or black; a picture cut short is not a readable one. Formats
// it cannot judge count as whole.
bool holdsWholePicture(QByteArrayView bytes);

} // namespace vireka
