// SPDX-License-Identifier: GPL-3.0-or-later

// Writing a picture under a new name: never over an existing file nor
// through a link, the folder made when missing, every failure told and
// nothing left behind.

#include "test_runner.h"
#include "tools/annotate/new_picture_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class NewPictureFileTest : public QObject {
    Q_OBJECT

private slots:
    void writesOnlyNewFiles()
    {
        QTemporaryDir root;
        QImage green(64, 48, QImage::Format_RGB32);
        green.fill(Qt::green);
        const QString path = root.path() + "/a/b/picture.jpg";
        NewPictureResult result = writeNewPictureFile(green, path, "jpg");
        QVERIFY2(result.saved, qPrintable(result.error));
        QCOMPARE(QImage(path).size(), QSize(64, 48));
        QVERIFY(QFile::permissions(path) & QFileDevice::ReadOther);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray first = file.readAll();
        file.close();

        QImage red(green);
        red.fill(Qt::red);
        result = writeNewPictureFile(red, path, "jpg");
        QVERIFY(!result.saved && result.error.contains(path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), first);

        QVERIFY(QFile::link(root.path() + "/elsewhere.jpg", root.path() + "/link.jpg"));
        QVERIFY(!writeNewPictureFile(red, root.path() + "/link.jpg", "jpg").saved);
        QVERIFY(!QFile::exists(root.path() + "/elsewhere.jpg"));

        // A folder that is a file, no picture, a folder nobody may write to.
        QVERIFY(!writeNewPictureFile(red, path + "/below.jpg", "jpg").error.isEmpty());
        QVERIFY(!writeNewPictureFile(QImage(), root.path() + "/none.jpg", "jpg").error.isEmpty());
        QVERIFY(!writeNewPictureFile(red, "/proc/corvane-test.jpg", "jpg").error.isEmpty());
        QCOMPARE(QDir(root.path() + "/a/b").entryList(QDir::Files | QDir::Hidden),
                 QStringList{"picture.jpg"});
        QCOMPARE(QDir(root.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                 QStringList{"link.jpg"});
    }
};

REGISTER_TEST_CLASS(NewPictureFileTest)
#include "new_picture_file_test.moc"
