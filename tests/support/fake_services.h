// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/services.h"

#include <QList>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <deque>
#include <functional>
#include <optional>
#include <utility>

// Scripted answers for the dialogs, the prompt and the random draws, and a record of what
// the windows asked. A dialog asked without a scripted answer fails the test's expectations
// by answering Cancel and counting it in unexpected.
class FakeServices final : public ui::Services {
public:
    struct Question {
        enum Kind { Open, Save, Prompt, YesNo, Colour } kind;
        ui::FileRequest request; // Open and Save
        QString title;           // Prompt, YesNo and Colour
        QString prompt;          // Prompt, YesNo's question, and the colour Colour starts from as #rrggbb
    };
    struct Message {
        QString title;
        QString text;
    };

    // nullopt scripts a Cancel.
    void answerOpen(std::optional<QString> path) { m_open.push_back(std::move(path)); }
    // filter: the one the dialog is left on; none: the one it opens with.
    void answerSave(std::optional<QString> path, std::optional<int> filter = std::nullopt)
    {
        m_save.push_back({std::move(path), filter});
    }
    void answerPrompt(std::optional<QString> text) { m_prompt.push_back(std::move(text)); }
    // meanwhile: what happens while the question is open, such as a file changed by someone else.
    void answerYesNo(bool yes, std::function<void()> meanwhile = {}) { m_yesNo.push_back({yes, std::move(meanwhile)}); }
    void answerColour(std::optional<QColor> colour) { m_colour.push_back(colour); }
    void scriptDraws(std::initializer_list<float> draws) { m_draws.insert(m_draws.end(), draws); }

    std::optional<QString> openFileName(QWidget *parent, const ui::FileRequest &request) override;
    std::optional<QString> saveFileName(QWidget *parent, const ui::FileRequest &request,
                                        int *chosenFilter = nullptr) override;
    std::optional<QString> promptText(QWidget *parent, const QString &title, const QString &prompt) override;
    void showError(QWidget *parent, const QString &title, const QString &text) override;
    // Unscripted: No, counted in unexpected.
    bool askYesNo(QWidget *parent, const QString &title, const QString &question) override;
    // Unscripted: Cancel, counted in unexpected.
    std::optional<QColor> chooseColour(QWidget *parent, const QString &title, const QColor &initial) override;
    // Records the page and answers browserStarts.
    bool openInBrowser(const QUrl &page) override;
    float randomDraw() override;
    void endApplication() override { ++endings; }
    // Settings of this object's own, in a folder that goes with it.
    QSettings &settings() override { return m_settings; }

    QList<Question> questions;
    QList<Message> messages;
    int unexpected = 0;        // questions asked without a scripted answer
    int endings = 0;           // times the application was ended at once
    QList<QUrl> browsed;       // the pages handed to the browser
    bool browserStarts = true; // false: no browser can be started

private:
    std::deque<std::optional<QString>> m_open;
    std::deque<std::pair<std::optional<QString>, std::optional<int>>> m_save;
    std::deque<std::optional<QString>> m_prompt;
    std::deque<std::pair<bool, std::function<void()>>> m_yesNo;
    std::deque<std::optional<QColor>> m_colour;
    std::deque<float> m_draws;
    quint64 m_randomState = 1;
    QTemporaryDir m_settingsFolder;
    QSettings m_settings{m_settingsFolder.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
};
