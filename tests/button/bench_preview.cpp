// Not a test: measures what one restore move over the window's background costs with a
// large default picture, next to one fresh decode of the same file.
//
//   QT_QPA_PLATFORM=offscreen ./bench_preview

#include "button/button_editor.h"
#include "button/picture_box.h"
#include "tests/support/fake_services.h"
#include "ui/picture_cache.h"
#include "ui/workspace.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

double medianMicroseconds(std::vector<qint64> nanoseconds)
{
    std::sort(nanoseconds.begin(), nanoseconds.end());
    return static_cast<double>(nanoseconds[nanoseconds.size() / 2]) / 1000.0;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    QTemporaryDir dir;
    const QString file = dir.filePath(u"large.jpg"_s);
    QImage large(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(large.scanLine(y));
        for (int x = 0; x < large.width(); ++x)
            line[x] = qRgb(x * 7 % 256, y * 3 % 256, (x ^ y) % 256);
    }
    if (!large.save(file, "JPG", 90)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(file));
        return 1;
    }

    constexpr int Decodes = 7;
    std::vector<qint64> decodes;
    for (int i = 0; i < Decodes; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QImage image = ui::readPicture(file);
        const QPixmap pixmap = QPixmap::fromImage(image);
        decodes.push_back(timer.nsecsElapsed());
        if (pixmap.size() != QSize(4000, 3000))
            return 1;
    }

    FakeServices services;
    ui::Workspace workspace(services);
    workspace.resize(800, 600);
    workspace.show();
    auto *window = ui::openAtTop<Form7>(workspace);
    services.answerOpen(file);
    window->Command1_Click();

    constexpr int Moves = 2000;
    const QPoint background(10, 100);
    std::vector<qint64> moves;
    for (int i = 0; i < Moves; ++i) {
        QMouseEvent event(QEvent::MouseMove, QPointF(background), QPointF(window->mapToGlobal(background)),
                          Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QElapsedTimer timer;
        timer.start();
        QApplication::sendEvent(window, &event);
        moves.push_back(timer.nsecsElapsed());
    }
    if (window->shownPicture() != file.toStdString())
        return 1;

    const double move = medianMicroseconds(moves);
    const double decode = medianMicroseconds(decodes);
    std::printf("default picture: 4000 x 3000 JPEG, %lld bytes\n", static_cast<long long>(QFileInfo(file).size()));
    std::printf("restore move (median of %d): %10.1f us\n", Moves, move);
    std::printf("fresh decode (median of %d): %10.1f us (read, decode, to pixmap)\n", Decodes, decode);
    std::printf("a fresh decode costs %.0f restore moves\n", decode / move);
    return 0;
}
