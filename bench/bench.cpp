// SPDX-License-Identifier: GPL-3.0-or-later
// Runs every measurement of the benchmark and prints one table: start-up against the floor
// program, opening each wizard from the menu, picking a large picture against one full decode
// of it, what a picked picture holds, the preview's restore move, drawing the made pictures,
// typing into the link effects' final code box, hostile files, a page to insert into, a final
// code of start tags with nothing between them and a caption of a million characters. Run by
// scripts/bench.
//
//   quillarc_bench [runs [part]]     (21 runs unless told; every part unless one is named)

#include "app/first_run_marker.h"
#include "app/main_window.h"
#include "app/start.h"
#include "bench/measure.h"
#include "button/button_editor.h"
#include "button/button_insert.h"
#include "button/picture_box.h"
#include "insert/insert_window.h"
#include "insert/page_insert.h"
#include "linkfx/link_effects_window.h"
#include "maker/button_art.h"
#include "maker/picture_maker.h"
#include "pages/page_pictures.h"
#include "pictures/picture_file.h"
#include "tests/support/fake_services.h"
#include "tests/support/test_images.h"
#include "ui/child_window.h"
#include "ui/code_colours.h"
#include "ui/controls.h"
#include "ui/services.h"
#include "ui/workspace.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImageReader>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include <sys/stat.h>
#include <zlib.h>

using namespace Qt::StringLiterals;

namespace {

using Samples = std::vector<double>;

double median(Samples samples)
{
    std::sort(samples.begin(), samples.end());
    const std::size_t n = samples.size();
    return n % 2 ? samples[n / 2] : (samples[n / 2 - 1] + samples[n / 2]) / 2;
}

[[noreturn]] void fail(const QString &why)
{
    std::fprintf(stderr, "bench: %s\n", qPrintable(why));
    std::exit(1);
}

// One line of the table: min, median and max of the samples, and the goal the median must meet.
struct Row {
    QString figure;
    Samples samples;
    QString goal;
    std::optional<bool> met;
};

class Table {
public:
    void add(const QString &figure, const Samples &samples, const QString &goal = {},
             const std::function<bool(double)> &meets = {})
    {
        Row row{figure, samples, goal, std::nullopt};
        if (meets)
            row.met = meets(median(samples));
        m_rows.push_back(row);
    }
    void heading(const QString &text) { m_rows.push_back(Row{text, {}, {}, std::nullopt}); }

    void print() const
    {
        std::printf("%-58s %10s %10s %10s  %-12s %s\n", "figure", "min", "median", "max", "goal", "met");
        for (const Row &row : m_rows) {
            if (row.samples.empty()) {
                std::printf("%s\n", qPrintable(row.figure));
                continue;
            }
            const auto [low, high] = std::minmax_element(row.samples.cbegin(), row.samples.cend());
            const QString line = QString::asprintf("  %-56s %10s %10s %10s  %-12s %s", qPrintable(row.figure),
                                                   qPrintable(number(*low)), qPrintable(number(median(row.samples))),
                                                   qPrintable(number(*high)), qPrintable(row.goal),
                                                   !row.met   ? ""
                                                   : *row.met ? "yes"
                                                              : "NO");
            std::printf("%s\n", qPrintable(line.trimmed().prepend(u"  "_s)));
        }
    }

private:
    static QString number(double value)
    {
        if (value >= 100000)
            return QString::number(value, 'f', 0);
        if (value >= 100)
            return QString::number(value, 'f', 1);
        return QString::number(value, 'f', 3);
    }
    std::vector<Row> m_rows;
};

// --- start-up against the floor -------------------------------------------------------------

struct StartUp {
    double cpuMs = 0;
    double peakMiB = 0;
};

StartUp runStartUp(const QString &program, const QStringList &arguments)
{
    QProcess child;
    child.start(program, arguments);
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        fail(program + u" did not finish: "_s + QString::fromLocal8Bit(child.readAllStandardError()));
    const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
    if (fields.size() != 2)
        fail(program + u" printed no figures"_s);
    return {fields[0].toDouble(), fields[1].toDouble() / 1024.0};
}

void measureStartUp(Table &table, int runs)
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString program = folder + u"/bench_startup"_s;
    const QString floor = folder + u"/bench_floor"_s;
    QTemporaryDir noMarker; // stays empty: the welcome window shows on every run
    Samples cpu, cpuFloor, cpuRatio, peak, peakFloor, peakRatio, cpuFrames, cpuFramesRatio, cpuOverFrames;
    for (int i = 0; i < runs; ++i) {
        const StartUp p = runStartUp(program, {noMarker.path()});
        const StartUp f = runStartUp(floor, {});
        const StartUp w = runStartUp(floor, {u"windows"_s});
        if (QDir(noMarker.path()).exists(u"hasran.txt"_s))
            fail(u"a start-up run wrote the first-run marker"_s);
        cpu.push_back(p.cpuMs);
        cpuFloor.push_back(f.cpuMs);
        cpuRatio.push_back(p.cpuMs / f.cpuMs);
        cpuFrames.push_back(w.cpuMs);
        cpuFramesRatio.push_back(w.cpuMs / f.cpuMs);
        cpuOverFrames.push_back(p.cpuMs / w.cpuMs);
        peak.push_back(p.peakMiB);
        peakFloor.push_back(f.peakMiB);
        peakRatio.push_back(p.peakMiB / f.peakMiB);
    }
    table.heading(u"Start-up to painted and idle, with Quick Start and welcome (separate runs, alternating)"_s);
    table.add(u"CPU time, program (ms)"_s, cpu);
    table.add(u"CPU time, floor (ms)"_s, cpuFloor);
    table.add(u"CPU time, program / floor"_s, cpuRatio, u"<= 1.15"_s, [](double r) { return r <= 1.15; });
    // On a machine shared with other work the least times are the steadiest.
    table.add(u"CPU time, least program / least floor"_s,
              {*std::min_element(cpu.cbegin(), cpu.cend()) / *std::min_element(cpuFloor.cbegin(), cpuFloor.cend())});
    // What the toolkit spends on the two start-up windows' frames alone, with nothing inside.
    table.add(u"CPU time, floor with two empty sub-windows (ms)"_s, cpuFrames);
    table.add(u"CPU time, floor with two empty sub-windows / floor"_s, cpuFramesRatio);
    table.add(u"CPU time, program / floor with two empty sub-windows"_s, cpuOverFrames);
    table.add(u"peak memory, program (MiB)"_s, peak);
    table.add(u"peak memory, floor (MiB)"_s, peakFloor);
    table.add(u"peak memory, program / floor"_s, peakRatio, u"<= 1.10"_s, [](double r) { return r <= 1.10; });
}

// --- opening the wizards --------------------------------------------------------------------

// Which child windows had a paint event since the last clear().
class PaintLog final : public QObject {
public:
    PaintLog() { qApp->installEventFilter(this); }
    ~PaintLog() override { qApp->removeEventFilter(this); }
    void clear() { m_painted.clear(); }
    bool painted(const QObject *window) const { return m_painted.contains(window); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<ui::ChildWindow *>(watched))
            m_painted.insert(watched);
        return false;
    }

private:
    QSet<const QObject *> m_painted;
};

void waitFor(const std::function<bool()> &done)
{
    QElapsedTimer guard;
    guard.start();
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        if (guard.elapsed() > 20000)
            fail(u"a window was never painted"_s);
    }
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void measureOpening(Table &table, int runs)
{
    QTemporaryDir noMarker;
    ui::DesktopServices services;
    PaintLog log;
    std::unique_ptr<Mainfrm> mainWindow = startApplication(services, FirstRunMarker(noMarker.path(), noMarker.path()));
    waitFor([&] { return log.painted(mainWindow->findChild<QWidget *>(u"Form4"_s)); });
    settle();

    struct Wizard {
        QString action;
        QString figure;
        Samples samples; // wall time
        Samples cpu;
    };
    std::vector<Wizard> wizards{{u"rollover"_s, u"File, New, Rollover"_s, {}, {}},
                                {u"te"_s, u"File, New, Link Effect"_s, {}, {}},
                                {u"button"_s, u"File, New, Button"_s, {}, {}}};
    for (int i = 0; i < runs; ++i) {
        for (Wizard &wizard : wizards) {
            auto *action = mainWindow->findChild<QAction *>(wizard.action);
            if (!action)
                fail(u"no menu command "_s + wizard.action);
            log.clear();
            QElapsedTimer timer;
            timer.start();
            const double cpu = bench::cpuMilliseconds();
            action->trigger();
            QWidget *window = mainWindow->workspace().activeSubWindow()->widget();
            waitFor([&] { return log.painted(window); });
            wizard.samples.push_back(double(timer.nsecsElapsed()) / 1e6);
            wizard.cpu.push_back(bench::cpuMilliseconds() - cpu);
            static_cast<ui::ChildWindow *>(window)->closeWindow();
            settle();
        }
    }
    table.heading(u"Opening a wizard from the menu until it is painted (the first opening included)"_s);
    for (const Wizard &wizard : wizards) {
        table.add(wizard.figure + u", wall time (ms)"_s, wizard.samples, u"<= 16 ms"_s,
                  [](double ms) { return ms <= 16; });
        table.add(wizard.figure + u", CPU time (ms)"_s, wizard.cpu);
    }
}

// --- pictures -------------------------------------------------------------------------------

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A photograph-sized JPEG whose pixels vary everywhere, so that it does not compress to nothing.
void makeLargeJpeg(const QString &path)
{
    QImage large(4000, 3000, QImage::Format_RGB32);
    for (int y = 0; y < large.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(large.scanLine(y));
        for (int x = 0; x < large.width(); ++x)
            line[x] = qRgb(x * 7 % 256, y * 3 % 256, (x ^ y) % 256);
    }
    if (!large.save(path, "JPG", 90))
        fail(u"could not write "_s + path);
}

// A tiny JPEG whose frame header is made to claim 16384 by 4096.
void makeClaimingJpeg(const QString &path)
{
    QImage small(16, 16, QImage::Format_RGB32);
    small.fill(Qt::gray);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "JPG", 50);
    const qsizetype frame = bytes.indexOf(QByteArrayView("\xFF\xC0", 2));
    if (frame < 0)
        fail(u"no baseline frame header in the small JPEG"_s);
    bytes[frame + 5] = char(0x10); // height 4096
    bytes[frame + 6] = char(0x00);
    bytes[frame + 7] = char(0x40); // width 16384
    bytes[frame + 8] = char(0x00);
    if (!writeFile(path, bytes))
        fail(u"could not write "_s + path);
}

// Bytes of pixel data the preview holds; the cache shares the same pixels.
double heldBytes(Form7 *editor)
{
    const QPixmap &picture = editor->findChild<PictureBox *>(u"button"_s)->picture();
    return double(picture.width()) * picture.height() * picture.depth() / 8;
}

Form7 *openEditor(ui::Workspace &workspace)
{
    Form7 *editor = ui::openAtTop<Form7>(workspace);
    editor->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
    settle();
    return editor;
}

double pick(FakeServices &services, Form7 *editor, const QString &file)
{
    services.answerOpen(file);
    const double before = bench::cpuMilliseconds();
    editor->Command1_Click();
    return bench::cpuMilliseconds() - before;
}

void checkSize(Form7 *editor, const QString &width, const QString &height)
{
    if (editor->findChild<QLineEdit *>(u"Text4"_s)->text() != width ||
        editor->findChild<QLineEdit *>(u"Text5"_s)->text() != height)
        fail(u"the size boxes do not show "_s + width + u" by "_s + height);
}

void measurePictures(Table &table, int runs)
{
    QTemporaryDir dir;
    const QString large = dir.filePath(u"large.jpg"_s);
    const QString gif = dir.filePath(u"claims.gif"_s);
    const QString jpeg = dir.filePath(u"claims.jpg"_s);
    makeLargeJpeg(large);
    if (!testimages::writeClaimingGif(gif, 16384, 4096))
        fail(u"could not write "_s + gif);
    makeClaimingJpeg(jpeg);

    FakeServices services;
    ui::Workspace workspace(services);
    workspace.resize(800, 600);
    workspace.show();

    // Picking against one full decode, alternating.
    Form7 *editor = openEditor(workspace);
    Samples picks, decodes, ratios;
    for (int i = 0; i < runs; ++i) {
        const double picked = pick(services, editor, large);
        checkSize(editor, u"4000"_s, u"3000"_s);
        const double before = bench::cpuMilliseconds();
        const QImage decoded = QImageReader(large).read();
        const double decode = bench::cpuMilliseconds() - before;
        if (decoded.size() != QSize(4000, 3000))
            fail(u"the full decode failed"_s);
        picks.push_back(picked);
        decodes.push_back(decode);
        ratios.push_back(picked / decode);
    }
    table.heading(u"Picking the default picture, 4000x3000 JPEG of "_s + QString::number(QFileInfo(large).size()) +
                  u" bytes (CPU time, alternating)"_s);
    table.add(u"pick, size boxes filled (ms)"_s, picks);
    table.add(u"one full decode, QImageReader::read (ms)"_s, decodes);
    table.add(u"pick / full decode"_s, ratios, u"<= 0.25"_s, [](double r) { return r <= 0.25; });

    // The preview's restore move over the window's background, in batches.
    constexpr int Moves = 200;
    const QPoint background(10, 100);
    Samples moves;
    for (int i = 0; i < runs; ++i) {
        Samples batch;
        for (int m = 0; m < Moves; ++m) {
            QMouseEvent event(QEvent::MouseMove, QPointF(background), QPointF(editor->mapToGlobal(background)),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QElapsedTimer timer;
            timer.start();
            QApplication::sendEvent(editor, &event);
            batch.push_back(double(timer.nsecsElapsed()) / 1e3);
        }
        moves.push_back(median(batch));
    }
    if (editor->shownPicture() != large.toStdString())
        fail(u"the restore move did not take the default picture"_s);
    table.heading(u"The preview's restore move with that picture (wall time, median of "_s + QString::number(Moves) +
                  u" moves per run)"_s);
    table.add(u"restore move (us)"_s, moves, u"< 1000 us"_s, [](double us) { return us < 1000; });
    editor->closeWindow();
    settle();

    // What one picked picture holds, each in a window of its own.
    struct Held {
        QString figure;
        QString file;
        QString width;
        QString height;
    };
    const Held held[] = {
        {u"4000x3000 JPEG"_s, large, u"4000"_s, u"3000"_s},
        {u"%1-byte GIF claiming 16384x4096"_s.arg(QFileInfo(gif).size()), gif, u"16384"_s, u"4096"_s},
        {u"%1-byte JPEG claiming 16384x4096"_s.arg(QFileInfo(jpeg).size()), jpeg, u"16384"_s, u"4096"_s},
    };
    table.heading(u"What a picked picture holds: bytes of pixels kept, resident memory grown, pick CPU time"_s);
    constexpr double MaxHeld = 2e6;
    for (const Held &h : held) {
        Samples bytes, grown, times;
        for (int i = 0; i < std::min(runs, 5); ++i) {
            Form7 *window = openEditor(workspace);
            const long before = bench::residentKibibytes();
            times.push_back(pick(services, window, h.file));
            grown.push_back(double(bench::residentKibibytes() - before) / 1024.0);
            checkSize(window, h.width, h.height);
            bytes.push_back(heldBytes(window));
            window->closeWindow();
            settle();
        }
        table.add(h.figure + u": pixels kept (bytes)"_s, bytes, u"<= 2 MB"_s, [](double b) { return b <= MaxHeld; });
        table.add(h.figure + u": resident grown (MiB)"_s, grown);
        table.add(h.figure + u": pick (ms)"_s, times);
    }
}

// --- hostile files -------------------------------------------------------------------------

// The largest resident set since this program started, in KiB: unlike getrusage(), which keeps
// the peak of the benchmark that started it.
long peakSinceStart()
{
    QFile status(u"/proc/self/status"_s);
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                return line.mid(6).trimmed().split(' ').value(0).toLong();
        }
    }
    return 0;
}

// A child run of this program that reads one picture as the preview does.
StartUp readInChild(const QString &file)
{
    return runStartUp(QCoreApplication::applicationFilePath(), {u"--read"_s, file});
}

void makeHostileFiles(const QDir &dir)
{
    QImage large(6000, 5000, QImage::Format_RGB32);
    large.fill(Qt::red);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    if (!large.save(dir.filePath(u"large.png"_s)) || !large.save(&png, "PNG") ||
        ::mkfifo(QFile::encodeName(dir.filePath(u"fifo"_s)).constData(), 0600) != 0)
        fail(u"could not write the hostile files"_s);
    const QByteArray start = "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
                             "width='60' height='50'>";
    QByteArray named = start;
    QByteArray held = start;
    for (int i = 0; i < 60; ++i) {
        named += "<image width='60' height='50' xlink:href='large.png'/>";
        held += "<image width='60' height='50' xlink:href='data:image/png;base64," + png.data().toBase64() + "'/>";
    }
    const QByteArray fifo =
        start + "<image width='6' height='5' xlink:href='" + QFile::encodeName(dir.filePath(u"fifo"_s)) + "'/></svg>";
    if (!writeFile(dir.filePath(u"named.svg"_s), named + "</svg>") ||
        !writeFile(dir.filePath(u"held.svg"_s), held + "</svg>") || !writeFile(dir.filePath(u"fifo.svg"_s), fifo))
        fail(u"could not write the hostile SVG files"_s);
    // A gigabyte of blanks in a comment, compressed to about a megabyte.
    gzFile bomb = gzopen(QFile::encodeName(dir.filePath(u"bomb.svg"_s)).constData(), "wb9");
    const QByteArray blanks(1 << 20, ' ');
    bool written = bomb && gzputs(bomb, QByteArray(start + "<!--").constData()) > 0;
    for (int i = 0; written && i < 1024; ++i)
        written = gzwrite(bomb, blanks.constData(), unsigned(blanks.size())) > 0;
    if (!written || gzputs(bomb, "--></svg>") <= 0 || gzclose(bomb) != Z_OK)
        fail(u"could not write the compressed SVG"_s);
}

void measureHostileFiles(Table &table, int runs)
{
    QTemporaryDir temporary;
    const QDir dir(temporary.path());
    makeHostileFiles(dir);
    table.heading(u"Hostile pictures, each read as the preview reads it in a run of its own: CPU time, peak memory"_s);
    const std::pair<QString, QString> cases[] = {
        {u"SVG, an image of a FIFO"_s, u"fifo.svg"_s},
        {u"5 KB SVG, 60 images of a 6000x5000 PNG"_s, u"named.svg"_s},
        {u"8 MB SVG, 60 6000x5000 PNGs as data"_s, u"held.svg"_s},
        {u"1 MB of gzip as .svg, 1 GB inflated"_s, u"bomb.svg"_s},
    };
    for (const auto &[figure, file] : cases) {
        Samples cpu, peak;
        for (int i = 0; i < std::min(runs, 5); ++i) {
            const StartUp read = readInChild(dir.filePath(file));
            cpu.push_back(read.cpuMs);
            peak.push_back(read.peakMiB);
        }
        table.add(figure + u": CPU (ms)"_s, cpu);
        table.add(figure + u": peak (MiB)"_s, peak);
    }

    // Open in Browser pressed again and again in one window, with two 1 MB pictures.
    constexpr int Presses = 1000;
    FakeServices services;
    QWidget window;
    const QStringList pictures{dir.filePath(u"one.png"_s), dir.filePath(u"two.png"_s)};
    for (const QString &picture : pictures) {
        if (!writeFile(picture, QByteArray(1 << 20, 'p')))
            fail(u"could not write "_s + picture);
    }
    Samples presses;
    for (int i = 0; i < Presses; ++i) {
        const double before = bench::cpuMilliseconds();
        if (!ui::openInBrowser(&window, services, u"rollover.html"_s, "<html>\r\n", pictures))
            fail(u"Open in Browser failed"_s);
        presses.push_back(bench::cpuMilliseconds() - before);
    }
    double files = 0;
    double bytes = 0;
    for (QDirIterator kept(services.browserPages().path(), QDir::Files, QDirIterator::Subdirectories);
         kept.hasNext();) {
        kept.next();
        ++files;
        bytes += double(kept.fileInfo().size());
    }
    QDir(services.browserPages().path()).removeRecursively();
    table.heading(u"Open in Browser pressed %1 times in one window, two 1 MB pictures"_s.arg(Presses));
    table.add(u"press (CPU ms)"_s, presses);
    table.add(u"files left in the pages folder"_s, {files}, u"3"_s, [](double n) { return n == 3; });
    table.add(u"MB left in the pages folder"_s, {bytes / 1e6});
}

// --- the picture maker -----------------------------------------------------------------------

// Every state of a button at 1x and at 2x, as the picture maker draws them at each change.
void measureMadePictures(Table &table, int runs)
{
    struct Case {
        QSize size;
        int fontPixels;
        double goal; // ms
    };
    table.heading(u"Drawing the made pictures: the three states of a button at 1x and 2x (wall time)"_s);
    for (const Case &c : {Case{{88, 31}, 14, 16}, Case{{400, 100}, 48, 50}}) {
        QFont font(u"DejaVu Sans"_s);
        font.setPixelSize(c.fontPixels);
        font.setBold(true);
        const ui::ButtonLook look{u"Home"_s, font, {255, 255, 255}, {32, 74, 135}, {16, 37, 63}, 4, true, c.size};
        Samples samples;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer timer;
            timer.start();
            qint64 pixels = 0;
            for (const PictureState state : StatesOf(PictureKind::Button)) {
                for (const int scale : {1, 2})
                    pixels += ui::drawState(look, state, scale).sizeInBytes();
            }
            samples.push_back(double(timer.nsecsElapsed()) / 1e6);
            if (pixels != 3 * 5 * qint64(c.size.width()) * c.size.height() * 4)
                fail(u"a made picture has the wrong size"_s);
        }
        const QString goal = u"< %1 ms"_s.arg(c.goal);
        table.add(u"%1x%2, every state at both scales (ms)"_s.arg(c.size.width()).arg(c.size.height()), samples, goal,
                  [c](double ms) { return ms < c.goal; });
    }
}

// A million characters pasted into the maker's caption: what it keeps, the paste, one key typed
// after it and a save of the pictures.
void measureLongCaption(Table &table, int runs)
{
    FakeServices services;
    ui::Workspace workspace(services);
    workspace.resize(800, 600);
    workspace.show();
    QTemporaryDir folder;
    const QString pasted = u"Home page "_s.repeated(100000);
    Samples kept, paste, key, save, proposed;
    for (int i = 0; i < std::min(runs, 5); ++i) {
        auto *maker = new ui::PictureMaker(workspace, PictureKind::Button);
        maker->showWindow();
        settle();
        auto *caption = maker->findChild<QLineEdit *>(u"Caption"_s);
        caption->clear();
        double before = bench::cpuMilliseconds();
        caption->insert(pasted);
        QCoreApplication::processEvents();
        paste.push_back(bench::cpuMilliseconds() - before);
        kept.push_back(double(caption->text().size()));
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier);
        before = bench::cpuMilliseconds();
        QApplication::sendEvent(caption, &press);
        QCoreApplication::processEvents();
        key.push_back(bench::cpuMilliseconds() - before);
        services.answerSave(folder.filePath(u"made%1.png"_s.arg(i)));
        before = bench::cpuMilliseconds();
        maker->savePictures();
        save.push_back(bench::cpuMilliseconds() - before);
        if (services.questions.isEmpty() || services.messages.size() != 0)
            fail(u"the pictures of a long caption were not saved"_s);
        proposed.push_back(double(services.questions.constLast().request.proposedName.size()));
        maker->closeWindow();
        settle();
    }
    table.heading(u"A caption of "_s + QString::number(pasted.size()) +
                  u" characters pasted into the picture maker (CPU time)"_s);
    table.add(u"characters the caption keeps"_s, kept);
    table.add(u"paste (ms)"_s, paste);
    table.add(u"one key typed after it, every state drawn again (ms)"_s, key, u"< 16 ms"_s,
              [](double ms) { return ms < 16; });
    table.add(u"save of the six pictures (ms)"_s, save);
    table.add(u"characters of the name the save dialog proposes"_s, proposed);
}

// --- typing in the link effects' final code box ---------------------------------------------

// CPU time of one key typed at the end of the box, with the paint it asks for.
double typeOneKey(QPlainTextEdit *box)
{
    box->moveCursor(QTextCursor::End);
    const double before = bench::cpuMilliseconds();
    QKeyEvent press(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, u"x"_s);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, u"x"_s);
    QApplication::sendEvent(box, &press);
    QApplication::sendEvent(box, &release);
    QCoreApplication::processEvents();
    return bench::cpuMilliseconds() - before;
}

// Lets the window do what it waits to do until typing pauses; the CPU time it took.
double pauseTyping()
{
    const double before = bench::cpuMilliseconds();
    QEventLoop pause;
    QTimer::singleShot(1000, &pause, &QEventLoop::quit);
    pause.exec();
    return bench::cpuMilliseconds() - before;
}

struct Pasted {
    QString figure;
    QString text;
};

// A text pasted into the final code box of a link effects window, then one key typed at its end
// and the pause after it; and the same key typed into a bare box of the same kind holding the
// same text, which is what the toolkit's own layout of the text costs.
void measureFinalCodeBox(Table &table, int runs, const std::vector<Pasted> &texts)
{
    FakeServices services;
    ui::Workspace workspace(services);
    workspace.resize(800, 600);
    workspace.show();
    for (const Pasted &pasted : texts) {
        Samples paste, key, read, grown, bare;
        for (int i = 0; i < std::min(runs, 5); ++i) {
            Form5 *window = ui::openAtTop<Form5>(workspace);
            settle();
            auto *box = window->findChild<QPlainTextEdit *>(u"Text1"_s);
            const long resident = bench::residentKibibytes();
            const double before = bench::cpuMilliseconds();
            box->insertPlainText(pasted.text);
            QCoreApplication::processEvents();
            paste.push_back(bench::cpuMilliseconds() - before);
            pauseTyping();
            key.push_back(typeOneKey(box));
            read.push_back(pauseTyping());
            grown.push_back(double(bench::residentKibibytes() - resident) / 1024.0);
            window->closeWindow();
            settle();

            QPlainTextEdit *plain = ui::makeTextBox(nullptr, u"Bare"_s, QRect(100, 100, 305, 121));
            plain->setPlainText(pasted.text);
            plain->show();
            QCoreApplication::processEvents();
            bare.push_back(typeOneKey(plain));
            delete plain;
        }
        table.heading(u"Link effects' final code box holding "_s + pasted.figure + u" ("_s +
                      QString::number(pasted.text.size()) + u" characters; CPU time)"_s);
        table.add(u"paste (ms)"_s, paste);
        table.add(u"one key typed (ms)"_s, key);
        table.add(u"one key typed into a bare box of the same text (ms)"_s, bare);
        table.add(
            u"one key typed, the window's own part (ms)"_s,
            [&] {
                Samples own;
                for (std::size_t k = 0; k < key.size(); ++k)
                    own.push_back(key[k] - bare[k]);
                return own;
            }(),
            u"< 16 ms"_s, [](double ms) { return ms < 16; });
        table.add(u"reading the text once typing pauses (ms)"_s, read);
        table.add(u"resident grown by the paste and the reading (MiB)"_s, grown);
    }
}

// --- inserting into a user's page ------------------------------------------------------------

// About a megabyte of an author's page: a head with a style sheet, a body of many small blocks.
QByteArray largePage()
{
    QByteArray page = "<!DOCTYPE html>\r\n<html lang=\"en\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n"
                      "<title>A large page</title>\r\n<style>body{margin:0}</style>\r\n</head>\r\n<body>\r\n";
    for (int i = 0; page.size() < 1000000; ++i)
        page +=
            QStringLiteral("<div class=\"row r%1\" id=\"d%1\"><p>Paragraph %1 with <a href=\"/x/%1\">a link</a> "
                           "and <b>bold</b> text, some more words here.</p><ul><li>one</li><li>two</li></ul></div>\r\n")
                .arg(i)
                .toUtf8();
    return page + "</body>\r\n</html>\r\n";
}

void measureInsert(Table &table, int runs)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(u"large.html"_s);
    if (!writeFile(path, largePage()))
        fail(u"could not write "_s + path);
    FakeServices services;
    ui::Workspace workspace(services);
    workspace.resize(1280, 760);
    workspace.show();
    PaintLog log;
    Form7 *editor = openEditor(workspace);
    ButtonSpec fields;
    fields.ButtonLink = "http://";
    fields.AltText = "Home";
    const WizardCode code = ButtonInsertCode(fields, true, {});
    const auto sha256 = [](std::string_view bytes) {
        return QCryptographicHash::hash(QByteArrayView(bytes.data(), qsizetype(bytes.size())),
                                        QCryptographicHash::Sha256)
            .toHex()
            .toStdString();
    };
    Samples reading;
    Samples splicing;
    Samples opening;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        const ui::Result<ui::PageFile> file = ui::readPage(path);
        if (!file)
            fail(file.error());
        const PageForInsert page(file->bytes, false);
        reading.push_back(double(timer.nsecsElapsed()) / 1e6);
        timer.restart();
        const Splice splice = page.splice(code, {}, page.places().defaultPlace(), sha256);
        splicing.push_back(double(timer.nsecsElapsed()) / 1e6);
        if (!splice.refusal.empty())
            fail(QString::fromStdString(splice.refusal));

        log.clear();
        services.answerOpen(path);
        timer.restart();
        InsertPage *window = InsertPage::pickAndOpen(*editor, code);
        if (!window)
            fail(u"the insert window did not open"_s);
        waitFor([&] { return log.painted(window); });
        opening.push_back(double(timer.nsecsElapsed()) / 1e6);
        window->closeWindow();
        settle();
    }
    table.heading(u"Insert into Page, a page of "_s + QString::number(QFileInfo(path).size()) +
                  u" bytes (wall time)"_s);
    table.add(u"reading the page, its tree and places (ms)"_s, reading, u"<= 100 ms"_s,
              [](double ms) { return ms <= 100; });
    table.add(u"the splice with its second parse (ms)"_s, splicing, u"<= 50 ms"_s, [](double ms) { return ms <= 50; });
    table.add(u"the window opened with the code in place, painted (ms)"_s, opening);
}

// --- the code boxes' colours -----------------------------------------------------------------

// One key typed at the end of a box holding the text: with the code's colours, and in a box of
// the same face without them; and the text given to each box, which colours it all.
void measureCodeColours(Table &table, int runs)
{
    struct Held {
        QString figure;
        QString text;
        bool typed;
    };
    QString page = QString::fromUtf8(largePage());
    const Held texts[] = {
        {u"35 KB selector list"_s,
         u"<style>"_s + u"a,"_s.repeated(9000) + u"a{"_s + u"color:red;"_s.repeated(1750) + u"}</style>"_s, true},
        {u"70 KB on one line (shown without colour)"_s, u"<p>"_s + u"<b>x</b> "_s.repeated(7800) + u"</p>"_s, true},
        {u"a page of 1 MB"_s, page, false},
    };
    for (const Held &held : texts) {
        Samples coloured, bare, given, givenBare;
        for (int i = 0; i < std::min(runs, 7); ++i) {
            QPlainTextEdit *box = ui::makeTextBox(nullptr, u"Code"_s, QRect(100, 100, 440, 300));
            ui::showAsCode(box);
            QPlainTextEdit *plain = ui::makeTextBox(nullptr, u"Bare"_s, QRect(100, 100, 440, 300));
            plain->setFont(box->font());
            for (QPlainTextEdit *each : {box, plain}) {
                each->show();
                QCoreApplication::processEvents();
                const double before = bench::cpuMilliseconds();
                each->setPlainText(held.text);
                QCoreApplication::processEvents();
                (each == box ? given : givenBare).push_back(bench::cpuMilliseconds() - before);
                // The key comes once the text shows in colour, after a pause.
                pauseTyping();
                if (held.typed)
                    (each == box ? coloured : bare).push_back(typeOneKey(each));
            }
            delete box;
            delete plain;
        }
        table.heading(u"A code box holding "_s + held.figure + u" (CPU time)"_s);
        const auto ratio = [](const Samples &over, const Samples &under) {
            Samples ratios;
            for (std::size_t k = 0; k < over.size(); ++k)
                ratios.push_back(over[k] / under[k]);
            return ratios;
        };
        if (held.typed) {
            table.add(u"one key typed, coloured (ms)"_s, coloured);
            table.add(u"one key typed, the same box without colour (ms)"_s, bare);
            table.add(u"coloured / without colour"_s, ratio(coloured, bare), u"<= 1.10"_s,
                      [](double r) { return r <= 1.10; });
        } else {
            table.add(u"text given, coloured (ms)"_s, given);
            table.add(u"text given, without colour (ms)"_s, givenBare);
            Samples colouring;
            for (std::size_t k = 0; k < given.size(); ++k)
                colouring.push_back(given[k] - givenBare[k]);
            table.add(u"the colouring (ms)"_s, colouring, u"<= 100 ms"_s, [](double ms) { return ms <= 100; });
        }
    }
}

QString cpuModel()
{
    QFile cpuinfo(u"/proc/cpuinfo"_s);
    if (cpuinfo.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : cpuinfo.readAll().split('\n')) {
            if (line.startsWith("model name"))
                return QString::fromUtf8(line.mid(line.indexOf(':') + 1).trimmed());
        }
    }
    return u"unknown"_s;
}

// The toolkit's warnings (a damaged JPEG, a missing runtime folder) would break up the table.
void quietMessages(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char *argv[])
{
    // Every run here and in the child processes draws off screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(quietMessages);
    QApplication application(argc, argv);
    // The main window keeps its place in the settings: the bench's own, not the user's.
    QStandardPaths::setTestModeEnabled(true);
    if (argc > 2 && QByteArray(argv[1]) == "--read") {
        ui::readPicturePart(QString::fromLocal8Bit(argv[2]), QSize(185, 161));
        std::printf("%.3f %ld\n", bench::cpuMilliseconds(), peakSinceStart());
        return 0;
    }
    const int runs = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 21;

    std::printf("Quillarc benchmark, %s\n", qPrintable(QDateTime::currentDateTimeUtc().toString(Qt::ISODate)));
    std::printf("machine: %d cores, %s; Qt %s; %s; offscreen platform; %d runs per figure\n\n",
                QThread::idealThreadCount(), qPrintable(cpuModel()), qVersion(),
                qPrintable(QSysInfo::prettyProductName()), runs);
    // A second argument names the one part to measure ("insert"); without one, all are.
    const QByteArray only = argc > 2 ? QByteArray(argv[2]) : QByteArray();
    const auto measures = [&only](const char *part) {
        return only.isEmpty() || only == part;
    };
    Table table;
    if (measures("start-up"))
        measureStartUp(table, runs);
    if (measures("opening"))
        measureOpening(table, runs);
    if (measures("pictures"))
        measurePictures(table, runs);
    if (measures("made"))
        measureMadePictures(table, runs);
    if (measures("long-caption"))
        measureLongCaption(table, runs);
    // A comment is four characters; the selector list keeps each declaration for each selector.
    if (measures("final-code"))
        measureFinalCodeBox(table, runs,
                            {{u"1 MB of comments in a style element"_s,
                              u"<style>"_s + u"/**/"_s.repeated(qsizetype(256) * 1024) + u"</style>"_s},
                             {u"35 KB selector list"_s, u"<style>"_s + u"a,"_s.repeated(9000) + u"a{"_s +
                                                            u"color:red;"_s.repeated(1750) + u"}</style>"_s}});
    // Start tags with nothing between them, up to the longest code that is read.
    if (measures("start-tags"))
        measureFinalCodeBox(table, runs,
                            {{u"64 KB of \"<a\""_s, u"<a"_s.repeated(32 * 1024)},
                             {u"255 KB of \"<a\""_s, u"<a"_s.repeated(255 * 512)}});
    if (measures("hostile"))
        measureHostileFiles(table, runs);
    if (measures("insert"))
        measureInsert(table, runs);
    if (measures("colours"))
        measureCodeColours(table, runs);
    table.print();
    return 0;
}
