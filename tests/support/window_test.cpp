// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/window_test.h"

#include <QApplication>
#include <QClipboard>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace testwindows {

void noSuchChild(const QObject *parent, const QString &name)
{
    qFatal("%s has no child %s", qPrintable(parent->objectName()), qPrintable(name));
}

void click(const QWidget *window, const QString &name)
{
    QPushButton *button = child<QPushButton>(window, name);
    QVERIFY2(button->isVisible() && button->isEnabled(),
             qPrintable(name + u" cannot be clicked: hidden or disabled"_s));
    QTest::mouseClick(button, Qt::LeftButton);
}

void sendMouse(QWidget *target, QEvent::Type type, Qt::MouseButton button, QPoint at, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(target->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

QString clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

} // namespace testwindows

WindowTest::WindowTest(QSize workspaceSize)
    : m_workspaceSize(workspaceSize)
{}

WindowTest::~WindowTest() = default;

void WindowTest::init()
{
    m_fixture = std::make_unique<TestWorkspace>(m_workspaceSize);
}

void WindowTest::cleanup()
{
    const int unscripted = services().unexpected; // dialogs asked without a scripted answer
    m_fixture.reset();
    QCOMPARE(unscripted, 0);
}
