// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/browser_pages.h"

#include <QColor>
#include <QList>
#include <QString>

#include <memory>
#include <optional>

class QInputDialog;
class QSettings;
class QUrl;
class QWidget;

namespace ui {

// A file dialog filter in the classic "description|patterns|" form, e.g.
// "HTM(L) Files *.html, *.htm |*.html|".
struct FileFilter {
    QString description; // shown to the user exactly as written
    QString patterns;    // separated by ';'
};

// The filter every picture picker starts with.
inline const FileFilter PictureFilter{QStringLiteral("Image Files (*.jpg,*.gif,*.bmp) "),
                                      QStringLiteral("*.jpg;*.gif;*.bmp")};

// What a file dialog is asked: the filter listed first, the title (empty: the platform's own),
// the name the file name field starts with, the filters listed after the first, and the one
// the dialog opens with (0: the first, 1: the first of moreFilters, and so on).
struct FileRequest {
    FileFilter filter;
    QString title;
    QString proposedName;
    QList<FileFilter> moreFilters{};
    int selectedFilter = 0;
};

// The picture formats a web page shows that the picture readers here decode: JPEG, GIF,
// BMP, PNG, WebP and SVG, less any whose reader is missing. A picture picker lists them
// second, after PictureFilter.
FileFilter allPicturesFilter();

// What a picture picker asks: PictureFilter first, then allPicturesFilter(), which it opens
// with: every picture in the folder shows.
FileRequest pictureRequest(const QString &title = QString(), const QString &proposedName = QString());

// The modal conversations of the application and the other services that a test must
// be able to script: file dialogs, the text prompt, message boxes, random draws and the
// immediate end of the process. Windows reach it through their workspace.
class Services {
public:
    virtual ~Services() = default;

    // The full path chosen, or nothing when the user cancelled.
    virtual std::optional<QString> openFileName(QWidget *parent, const FileRequest &request) = 0;
    // chosenFilter, where given, learns the filter the dialog was left on, counted as
    // FileRequest::selectedFilter counts.
    virtual std::optional<QString> saveFileName(QWidget *parent, const FileRequest &request,
                                                int *chosenFilter = nullptr) = 0;
    // The typed text, or nothing on Cancel.
    virtual std::optional<QString> promptText(QWidget *parent, const QString &title, const QString &prompt) = 0;
    virtual void showError(QWidget *parent, const QString &title, const QString &text) = 0;
    // True when the user answered Yes.
    virtual bool askYesNo(QWidget *parent, const QString &title, const QString &question) = 0;
    // The colour chosen, starting from the one given, or nothing on Cancel.
    virtual std::optional<QColor> chooseColour(QWidget *parent, const QString &title, const QColor &initial) = 0;
    // Shows the page in the desktop's default browser; false when no browser could be started.
    virtual bool openInBrowser(const QUrl &page) = 0;
    // A uniform draw 0 <= r < 1 at single precision, after mixing the clock into the generator.
    virtual float randomDraw() = 0;
    // Ends the process at once: no window's close handlers run.
    virtual void endApplication() = 0;
    // What the program keeps across runs (ui/remembered_places.h); a test keeps its own.
    virtual QSettings &settings() = 0;

    // The run's own folder of the pages shown in the browser.
    BrowserPages &browserPages() { return m_browserPages; }

private:
    BrowserPages m_browserPages;
};

// The real dialogs and the real end of the process.
class DesktopServices final : public Services {
public:
    DesktopServices();
    ~DesktopServices() override;

    std::optional<QString> openFileName(QWidget *parent, const FileRequest &request) override;
    std::optional<QString> saveFileName(QWidget *parent, const FileRequest &request,
                                        int *chosenFilter = nullptr) override;
    std::optional<QString> promptText(QWidget *parent, const QString &title, const QString &prompt) override;
    void showError(QWidget *parent, const QString &title, const QString &text) override;
    bool askYesNo(QWidget *parent, const QString &title, const QString &question) override;
    std::optional<QColor> chooseColour(QWidget *parent, const QString &title, const QColor &initial) override;
    bool openInBrowser(const QUrl &page) override;
    float randomDraw() override;
    [[noreturn]] void endApplication() override;
    QSettings &settings() override;

private:
    quint64 m_randomState;
    std::unique_ptr<QSettings> m_settings; // the user's, made when first asked for
};

// The text prompt as DesktopServices shows it: a title, the prompt and one box that takes a
// text of any length.
std::unique_ptr<QInputDialog> makePromptDialog(QWidget *parent, const QString &title, const QString &prompt);

// The name filter Qt's dialogs take: the description as written, then the patterns in parentheses.
QString nameFilter(const FileFilter &filter);
// The name filters of a request's dialog, the one listed first first, separated as Qt's
// dialogs take them.
QString nameFilters(const FileRequest &request);
// The name filter the request's dialog opens with.
QString selectedNameFilter(const FileRequest &request);
// The filter of the request that the name filter names, counted as FileRequest::selectedFilter
// counts; the request's own selectedFilter for a name filter it does not list.
int filterIndexOf(const FileRequest &request, const QString &nameFilter);

// Mixes a clock reading into a running generator state and returns the next draw in [0, 1).
// Draws within one tick of the clock still differ because the state moves on every time.
float mixClockAndDraw(quint64 &state, quint64 clock);

} // namespace ui
