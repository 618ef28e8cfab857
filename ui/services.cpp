// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/services.h"

#include "ui/controls.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QUrl>

#include <chrono>
#include <cstdlib>

using namespace Qt::StringLiterals;

namespace ui {

namespace {

quint64 clockReading()
{
    return static_cast<quint64>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

QFileDialog::Options dialogOptions()
{
    // The classic dialogs replace an existing page without a question. The filter shows its
    // description alone, which already names the patterns.
    return QFileDialog::DontConfirmOverwrite | QFileDialog::HideNameFilterDetails;
}

} // namespace

QString nameFilter(const FileFilter &filter)
{
    QString patterns = filter.patterns;
    patterns.replace(u';', u' ');
    return filter.description + u'(' + patterns.trimmed() + u')';
}

QString nameFilters(const FileRequest &request)
{
    QStringList filters{nameFilter(request.filter)};
    for (const FileFilter &more : request.moreFilters)
        filters.append(nameFilter(more));
    return filters.join(u";;"_s);
}

QString selectedNameFilter(const FileRequest &request)
{
    const qsizetype more = request.selectedFilter - 1;
    return more >= 0 && more < request.moreFilters.size() ? nameFilter(request.moreFilters.at(more))
                                                          : nameFilter(request.filter);
}

int filterIndexOf(const FileRequest &request, const QString &filter)
{
    // Qt's own dialog, hiding the patterns, tells the description alone.
    const auto names = [&filter](const FileFilter &listed) {
        return filter == nameFilter(listed) || filter == listed.description.trimmed();
    };
    if (names(request.filter))
        return 0;
    for (qsizetype i = 0; i < request.moreFilters.size(); ++i) {
        if (names(request.moreFilters.at(i)))
            return int(i) + 1;
    }
    return request.selectedFilter;
}

FileFilter allPicturesFilter()
{
    // Only what a browser shows as well: the readers here take TIFF, TGA and more, which a
    // page cannot show. The suffixes name the readers' formats.
    static const QByteArrayList webFormats{"jpg", "jpeg", "gif", "bmp", "png", "webp", "svg"};
    const QByteArrayList readable = QImageReader::supportedImageFormats();
    QStringList patterns;
    for (const QByteArray &format : webFormats) {
        if (readable.contains(format))
            patterns.append(u"*."_s + QString::fromLatin1(format));
    }
    return {u"All Pictures ("_s + patterns.join(u',') + u") "_s, patterns.join(u';')};
}

FileRequest pictureRequest(const QString &title, const QString &proposedName)
{
    return {PictureFilter, title, proposedName, {allPicturesFilter()}, 1};
}

float mixClockAndDraw(quint64 &state, quint64 clock)
{
    // splitmix64 step over the state with the clock folded in.
    state += 0x9E3779B97F4A7C15ULL ^ clock;
    quint64 z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    // The top 24 bits give every single-precision value in [0, 1) a multiple of 2^-24 can hold.
    return static_cast<float>(z >> 40) * 0x1p-24F;
}

std::unique_ptr<QInputDialog> makePromptDialog(QWidget *parent, const QString &title, const QString &prompt)
{
    auto dialog = std::make_unique<QInputDialog>(parent);
    dialog->setWindowTitle(title);
    dialog->setLabelText(prompt);
    dialog->setInputMode(QInputDialog::TextInput);
    if (auto *box = dialog->findChild<QLineEdit *>())
        liftLengthLimit(box);
    return dialog;
}

DesktopServices::DesktopServices()
    : m_randomState(clockReading())
{}

DesktopServices::~DesktopServices() = default;

std::optional<QString> DesktopServices::openFileName(QWidget *parent, const FileRequest &request)
{
    QString selected = selectedNameFilter(request);
    const QString path = QFileDialog::getOpenFileName(parent, request.title, request.proposedName, nameFilters(request),
                                                      &selected, dialogOptions());
    if (path.isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(path);
}

std::optional<QString> DesktopServices::saveFileName(QWidget *parent, const FileRequest &request, int *chosenFilter)
{
    QString selected = selectedNameFilter(request);
    const QString path = QFileDialog::getSaveFileName(parent, request.title, request.proposedName, nameFilters(request),
                                                      &selected, dialogOptions());
    if (path.isEmpty())
        return std::nullopt;
    if (chosenFilter)
        *chosenFilter = filterIndexOf(request, selected);
    return QDir::toNativeSeparators(path);
}

std::optional<QString> DesktopServices::promptText(QWidget *parent, const QString &title, const QString &prompt)
{
    const std::unique_ptr<QInputDialog> dialog = makePromptDialog(parent, title, prompt);
    if (dialog->exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog->textValue();
}

void DesktopServices::showError(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

bool DesktopServices::askYesNo(QWidget *parent, const QString &title, const QString &question)
{
    return QMessageBox::question(parent, title, question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) ==
           QMessageBox::Yes;
}

std::optional<QColor> DesktopServices::chooseColour(QWidget *parent, const QString &title, const QColor &initial)
{
    const QColor colour = QColorDialog::getColor(initial, parent, title);
    if (!colour.isValid())
        return std::nullopt;
    return colour;
}

bool DesktopServices::openInBrowser(const QUrl &page)
{
    return QDesktopServices::openUrl(page);
}

float DesktopServices::randomDraw()
{
    return mixClockAndDraw(m_randomState, clockReading());
}

void DesktopServices::endApplication()
{
    // At once: no destructor, close handler or end handler runs. The pages shown in the
    // browser stay for a browser that reads them late; the next start removes them. What is
    // kept across runs is written first.
    if (m_settings)
        m_settings->sync();
    std::_Exit(EXIT_SUCCESS);
}

QSettings &DesktopServices::settings()
{
    if (!m_settings)
        m_settings = std::make_unique<QSettings>(u"Quillarc"_s, u"Quillarc 2"_s);
    return *m_settings;
}

} // namespace ui
