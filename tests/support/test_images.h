#pragma once

#include <QColor>
#include <QString>

class QWidget;

// Pictures and renders for the window tests.
namespace testimages {

// Writes a picture of the given size in one colour; the format follows the suffix
// (.jpg, .bmp, .png). Returns false when it could not be written.
bool writePicture(const QString &path, int width, int height, const QColor &colour);

// Writes a picture whose every pixel differs from its neighbours, so that a part cut from
// the wrong place or scaled shows; the format follows the suffix.
bool writePattern(const QString &path, int width, int height);

// Writes a minimal one-colour GIF89a, which Qt cannot write itself.
bool writeGif(const QString &path, int width, int height, const QColor &colour);

// Writes a 34-byte GIF89a whose screen and image claim the given size while its data holds
// only a clear code and the end code: the decoder fills the whole size from nothing.
bool writeClaimingGif(const QString &path, int width, int height);

// Renders a widget to a PNG in the build's render folder and returns the picture's path,
// or an empty text when it could not be written.
QString render(QWidget *widget, const QString &name);

} // namespace testimages
