// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/accessibility.h"

#include <QGroupBox>
#include <QLabel>
#include <QWidget>

namespace ui {

namespace {

template <typename T> T *namedChild(QWidget *window, const QString &name)
{
    T *child = window->findChild<T *>(name);
    Q_ASSERT_X(child, "ui::accessibility", "no such child");
    return child;
}

} // namespace

void setBuddies(QWidget *window, std::initializer_list<std::pair<QString, QString>> labelAndBox)
{
    for (const auto &[label, box] : labelAndBox) {
        auto *labelWidget = namedChild<QLabel>(window, label);
        auto *boxWidget = namedChild<QWidget>(window, box);
        // A buddy turns an '&' of the label into an access key, which would change what it shows.
        Q_ASSERT_X(!labelWidget || !labelWidget->text().contains(u'&'), "ui::setBuddies", "label with '&'");
        if (labelWidget && boxWidget)
            labelWidget->setBuddy(boxWidget);
    }
}

void setAccessibleNames(QWidget *window, std::initializer_list<std::pair<QString, QString>> controlAndName)
{
    for (const auto &[control, name] : controlAndName) {
        if (auto *widget = namedChild<QWidget>(window, control))
            widget->setAccessibleName(name);
    }
}

void describeStepFrames(QWidget *window, const QStringList &frames)
{
    for (const QString &name : frames) {
        auto *frame = namedChild<QGroupBox>(window, name);
        const QLabel *text = frame ? frame->findChild<QLabel *>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
        Q_ASSERT_X(text, "ui::describeStepFrames", "a step frame without its text");
        if (text)
            frame->setAccessibleDescription(text->text());
    }
}

} // namespace ui
