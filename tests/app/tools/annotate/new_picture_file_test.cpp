// Writing a picture under a new name: never over an existing file (nor
// through a link), the folder made when missing, and every failure told
// with nothing left behind.

#include "test_runner.h"
#include "tools/annotate/new_picture_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QImage greenPicture()
{
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::green);
    return image;
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System);
}

} // namespace

class NewPictureFileTest : public QObject {
    Q_OBJECT

private slots:
    void writesANewFileInAFolderItMakes()
    {
        QTemporaryDir root;
        const QString path = root.path() + "/a/b/picture.jpg";
        const NewPictureResult result = writeNewPictureFile(greenPicture(), path, "jpg");
        QVERIFY2(result.saved, qPrintable(result.error));
        QVERIFY(result.error.isEmpty());
        const QImage back(path);
        QCOMPARE(back.size(), QSize(64, 48));
        QVERIFY(back.pixelColor(30, 20).green() > 240);
        QCOMPARE(filesIn(root.path() + "/a/b"), QStringList{"picture.jpg"});
        QVERIFY(QFile::permissions(path) & QFileDevice::ReadOther);
    }

    void neverReplacesAFileOrFollowsALink()
    {
        QTemporaryDir root;
        const QString path = root.path() + "/taken.jpg";
        QFile taken(path);
        QVERIFY(taken.open(QIODevice::WriteOnly));
        taken.write("keep me");
        taken.close();
        NewPictureResult result = writeNewPictureFile(greenPicture(), path, "jpg");
        QVERIFY(!result.saved);
        QVERIFY(result.error.contains(path));
        QVERIFY(taken.open(QIODevice::ReadOnly));
        QCOMPARE(taken.readAll(), QByteArray("keep me"));
        taken.close();

        const QString link = root.path() + "/link.jpg";
        QVERIFY(QFile::link(root.path() + "/elsewhere.jpg", link));
        result = writeNewPictureFile(greenPicture(), link, "jpg");
        QVERIFY(!result.saved);
        QVERIFY(!QFile::exists(root.path() + "/elsewhere.jpg"));
        QCOMPARE(filesIn(root.path()).size(), 2);
    }

    void failuresAreToldAndLeaveNothing()
    {
        QTemporaryDir root;
        QFile blocker(root.path() + "/file");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        NewPictureResult result =
            writeNewPictureFile(greenPicture(), root.path() + "/file/below.jpg", "jpg");
        QVERIFY(!result.saved);
        QVERIFY(!result.error.isEmpty());

        result = writeNewPictureFile(QImage(), root.path() + "/empty.jpg", "jpg");
        QVERIFY(!result.saved);
        QVERIFY(!result.error.isEmpty());

        // A folder nobody can write to, whatever the rights of the tester.
        result = writeNewPictureFile(greenPicture(), "/proc/corvane-annotation-test.jpg", "jpg");
        QVERIFY(!result.saved);
        QVERIFY(!result.error.isEmpty());
        QVERIFY(!QFile::exists("/proc/corvane-annotation-test.jpg"));
        QCOMPARE(filesIn(root.path()), QStringList{"file"});
    }
};

REGISTER_TEST_CLASS(NewPictureFileTest)
#include "new_picture_file_test.moc"
