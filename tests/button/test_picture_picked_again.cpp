#include "button/button_editor.h"
#include "button/picture_box.h"
#include "tests/support/fake_services.h"
#include "tests/support/hostile_places.h"
#include "tests/support/test_files.h"
#include "tests/support/test_images.h"
#include "tests/support/test_workspace.h"
#include "ui/workspace.h"

#include <QCheckBox>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <QtTest>

using namespace Qt::StringLiterals;

// A picture that could not be read when it was picked, mended while its size and time stay
// the same, and picked again: the new pick reads it and the preview shows it.

namespace {

// Whole seconds, which every file system keeps exactly.
bool setModified(const QString &path, const QDateTime &when)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && file.setFileTime(when, QFileDevice::FileModificationTime);
}

void moveOver(QWidget *target)
{
    const QPoint at(2, 2);
    QMouseEvent event(QEvent::MouseMove, QPointF(at), QPointF(target->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestPicturePickedAgain final : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_fixture = std::make_unique<TestWorkspace>(QSize(800, 600));
    }
    void cleanup() { m_fixture.reset(); }

    // The file is no picture at first (its signature spoilt), then the picture again, with the
    // same size and the same modification time.
    void mendedWithTheSameStamp_data()
    {
        QTest::addColumn<bool>("overPicker");
        QTest::newRow("default picture") << false;
        QTest::newRow("mouse-over picture") << true;
    }
    void mendedWithTheSameStamp()
    {
        QFETCH(bool, overPicker);
        const QString file = m_dir.filePath(u"mended.bmp"_s);
        QVERIFY(testimages::writePicture(file, 20, 10, Qt::blue));
        const QByteArray good = testfiles::contentOf(file);
        QByteArray spoilt = good;
        spoilt[0] = 'X';
        const QDateTime when = QDateTime::fromSecsSinceEpoch(QDateTime::currentSecsSinceEpoch() - 60, Qt::UTC);
        QVERIFY(testfiles::writeFile(file, spoilt));
        QVERIFY(setModified(file, when));

        Form7 *w = open();
        if (!overPicker) {
            pickDefault(w, file);
            QVERIFY(preview(w)->picture().isNull());
            QCOMPARE(edit(w, u"Text4"_s)->text(), QString());
        } else {
            // A default to restore to between the two tries over the preview.
            const QString red = m_dir.filePath(u"red.bmp"_s);
            QVERIFY(testimages::writePicture(red, 40, 30, Qt::red));
            pickDefault(w, red);
            pickOver(w, file);
            moveOver(preview(w));
            QCOMPARE(preview(w)->size(), QSize(40, 30)); // the default stays
        }

        QVERIFY(testfiles::writeFile(file, good));
        QVERIFY(setModified(file, when));
        if (!overPicker) {
            pickDefault(w, file);
        } else {
            pickOver(w, file);
            moveOver(w->findChild<QWidget *>(u"Frame2"_s)); // restore, then over again
            moveOver(preview(w));
        }
        QCOMPARE(preview(w)->size(), QSize(20, 10));
        QCOMPARE(preview(w)->picture().toImage().pixelColor(5, 5), QColor(Qt::blue));
        if (!overPicker) {
            QCOMPARE(edit(w, u"Text4"_s)->text(), u"20"_s);
            QCOMPARE(edit(w, u"Text5"_s)->text(), u"10"_s);
        }
    }

    // An unreadable file made readable. Root reads every file whatever its mode, so as root
    // the case runs again in a child process under an unprivileged user.
    void unreadableMadeReadable()
    {
        if (hostile::runsAsRoot()) {
            if (const std::optional<QString> failure = hostile::runAsNobody(hostile::currentTestRow()))
                QFAIL(qPrintable(*failure));
            return;
        }
        const QString file = m_dir.filePath(u"locked.jpg"_s);
        QVERIFY(testimages::writePicture(file, 30, 20, Qt::green));
        QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions()));
        QFile probe(file);
        QVERIFY2(!probe.open(QIODevice::ReadOnly), "an unreadable file could be read");

        Form7 *w = open();
        pickDefault(w, file);
        QVERIFY(preview(w)->picture().isNull());
        QCOMPARE(edit(w, u"Text1"_s)->text(), u"locked.jpg"_s);
        QCOMPARE(edit(w, u"Text4"_s)->text(), QString());

        QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        pickDefault(w, file);
        QCOMPARE(preview(w)->size(), QSize(30, 20));
        QCOMPARE(edit(w, u"Text4"_s)->text(), u"30"_s);
        QCOMPARE(edit(w, u"Text5"_s)->text(), u"20"_s);
    }

private:
    Form7 *open()
    {
        Form7 *w = ui::openAtTop<Form7>(*m_fixture->workspace);
        w->findChild<QCheckBox *>(u"Check1"_s)->setChecked(true);
        return w;
    }
    void pickDefault(Form7 *w, const QString &file)
    {
        m_fixture->services.answerOpen(file);
        w->Command1_Click();
    }
    void pickOver(Form7 *w, const QString &file)
    {
        m_fixture->services.answerOpen(file);
        w->Command2_Click();
    }
    static PictureBox *preview(Form7 *w) { return w->findChild<PictureBox *>(u"button"_s); }
    static QLineEdit *edit(Form7 *w, const QString &name) { return w->findChild<QLineEdit *>(name); }

    QTemporaryDir m_dir;
    std::unique_ptr<TestWorkspace> m_fixture;
};

QTEST_MAIN(TestPicturePickedAgain)
#include "test_picture_picked_again.moc"
