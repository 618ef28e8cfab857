// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/result.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <string>

class QWidget;

namespace ui {

class Services;

// The picture a box names: the picked file while the box still holds the name picking gave it;
// empty for an empty box or a name typed without a picked file.
QString pickedPicture(const QString &boxText, const QString &pickedPath);

// What a folder holds of the pictures a page names by their file names alone.
struct PicturesBeside {
    QStringList missing;   // full paths of the pictures whose name the folder lacks
    QStringList different; // names of files there that are not the picture of that name
};

// What a message says of a page that could not be written.
QString pageNotSaved(const QString &path, const QString &reason);

// Each picture once; a picture that is no longer a readable file is left out, and so is one
// already there: the very same file or one with the same bytes.
PicturesBeside picturesBeside(const QStringList &pictures, const QString &folder);

// Copies each picture into the folder under its own file name; a copy that fails leaves nothing
// half-written and the others go on. The one message names every copy that failed, and why.
Result<> copyPictures(const QStringList &pictures, const QString &folder);

// Writes the page under the file name into the folder and copies of the pictures beside it:
// what "Open in Browser" shows. Returns the page's path.
Result<QString> writePageWithPictures(const QString &folder, const QString &fileName, const std::string &page,
                                      const QStringList &pictures);

// The file's path from the folder, '/' between folders, when the file lies in the folder or below
// it (links followed on both sides); none when it lies elsewhere or is no file.
std::optional<QString> pathInsideFolder(const QString &file, const QString &folder);

// Whether something stands at the path: a file, a folder, a link (even one to nothing) or a FIFO.
bool somethingAt(const QString &path);

// Whether the path holds the picture: the very same file, or a regular file with the same bytes.
bool samePicture(const QString &path, const QString &picture);

// Copies the picture to a new file under the name in the folder, making the folders of a name
// such as "images/up.png"; refused as copyToNewFile refuses. Returns the copy's full path.
Result<QString> copyIntoFolder(const QString &picture, const QString &folder, const QString &name);

// "Open in Browser": the page and its pictures in the window's own folder of the run's, in place
// of the window's page before, opened in the desktop's browser. A page that cannot be written or
// shown is reported in a message box and its folder removed; a picture that cannot be copied is
// named in one after the page shows. True when the browser was started.
bool openInBrowser(QWidget *parent, Services &services, const QString &fileName, const std::string &page,
                   const QStringList &pictures);

} // namespace ui
