// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_services.h"

namespace {

template <typename Queue> std::optional<QString> next(Queue &queue, int &unexpected)
{
    if (queue.empty()) {
        ++unexpected;
        return QString(); // never reached by a well-scripted test; an empty name writes nothing
    }
    const std::optional<QString> answer = queue.front();
    queue.pop_front();
    return answer;
}

} // namespace

std::optional<QString> FakeServices::openFileName(QWidget *, const ui::FileRequest &request)
{
    questions.append({Question::Open, request, {}, {}});
    return next(m_open, unexpected);
}

std::optional<QString> FakeServices::saveFileName(QWidget *, const ui::FileRequest &request)
{
    questions.append({Question::Save, request, {}, {}});
    return next(m_save, unexpected);
}

std::optional<QString> FakeServices::promptText(QWidget *, const QString &title, const QString &prompt)
{
    questions.append({Question::Prompt, {}, title, prompt});
    return next(m_prompt, unexpected);
}

void FakeServices::showError(QWidget *, const QString &title, const QString &text)
{
    messages.append({title, text});
}

bool FakeServices::askYesNo(QWidget *, const QString &title, const QString &question)
{
    questions.append({Question::YesNo, {}, title, question});
    if (m_yesNo.empty()) {
        ++unexpected;
        return false;
    }
    const auto [yes, meanwhile] = m_yesNo.front();
    m_yesNo.pop_front();
    if (meanwhile)
        meanwhile();
    return yes;
}

std::optional<QColor> FakeServices::chooseColour(QWidget *, const QString &title, const QColor &initial)
{
    questions.append({Question::Colour, {}, title, initial.name()});
    if (m_colour.empty()) {
        ++unexpected;
        return std::nullopt;
    }
    const std::optional<QColor> colour = m_colour.front();
    m_colour.pop_front();
    return colour;
}

bool FakeServices::openInBrowser(const QUrl &page)
{
    browsed.append(page);
    return browserStarts;
}

float FakeServices::randomDraw()
{
    if (m_draws.empty())
        return ui::mixClockAndDraw(m_randomState, 0); // unscripted: still a valid draw
    const float draw = m_draws.front();
    m_draws.pop_front();
    return draw;
}
