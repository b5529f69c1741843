// SPDX-License-Identifier: GPL-3.0-or-later

// The compiled-in pictures: every path the program names resolves to a
// drawable picture with a twin at twice the size for screens scaled by 2,
// and the resource tree holds nothing else.

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QtTest>

#include <cstdlib>
#include "test_runner.h"

namespace {

// Every picture the program loads, by the path it uses.
const char *const kProgramPictures[] = {
    ":/static/logo.png",
    ":/static/btn_show.png",
    ":/static/btn_hide.png",
    ":/static/com_2.png",
    ":/static/com_4.png",
    ":/static/com_6.png",
    ":/static/mai.png",
    ":/static/mai1.png",
    ":/static/head/software_settings.png",
    ":/static/head/software_help.png",
    ":/static/head/software_min.png",
    ":/static/head/software_close.png",
    ":/static/side/fenbianlv.png",
    ":/static/side/fenbianlv_select.png",
    ":/static/side/zuozhuan.png",
    ":/static/side/youzhuan.png",
    ":/static/side/fangda.png",
    ":/static/side/suoxiao.png",
    ":/static/side/zuoyoujingxiang.png",
    ":/static/side/shangxiajingxiang.png",
    ":/static/side/jiupian.png",
    ":/static/side/caijian.png",
    ":/static/side/zhezhao.png",
    ":/static/side/dongjie.png",
    ":/static/tool/wenjianjia.png",
    ":/static/tool/pizhu.png",
    ":/static/tool/luxiang.png",
    ":/static/tool/luxiang1.png",
    ":/static/tool/luping.png",
    ":/static/tool/luping1.png",
    ":/static/tool/paizhao.png",
    ":/static/tool/duibi.png",
    ":/static/tool/pdf.png",
    ":/static/tool/ocr.png",
    ":/static/tool/tiaoma.png",
    ":/static/tool/lianpai.png",
    ":/static/tool/lianpai1.png",
    ":/static/tool/sijiao.png",
    ":/static/pizhu/wenzi.png",
    ":/static/pizhu/xiao.png",
    ":/static/pizhu/zhong.png",
    ":/static/pizhu/da.png",
    ":/static/pizhu/hong.png",
    ":/static/pizhu/huang.png",
    ":/static/pizhu/qing.png",
    ":/static/pizhu/lv.png",
    ":/static/pizhu/lan.png",
    ":/static/pizhu/meihong.png",
    ":/static/pizhu/xiangpicha.png",
    ":/static/pizhu/chexiao.png",
    ":/static/pizhu/cursor.png",
    ":/static/pizhu/qingchu.png",
    ":/static/pizhu/save.png",
    ":/static/other/curtain_left.png",
    ":/static/other/curtain_top.png",
    ":/static/other/curtain_right.png",
    ":/static/other/curtain_bottom.png",
    ":/static/other/curtain_close.png",
    ":/static/other/widget_state_dui.png",
    ":/static/other/widget_state_cuo.png",
    ":/static/other/widget_state_guanbi.png",
    // For the dialogs' style sheets (check boxes, combo boxes).
    ":/static/other/checkbox.png",
    ":/static/other/checkbox_checked.png",
    ":/static/other/combo_arrow.png",
};

const char kFontFolder[] = ":/static/font";

QByteArray pixelDigest(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    for (int y = 0; y < argb.height(); ++y)
        hash.addData(reinterpret_cast<const char *>(argb.constScanLine(y)), argb.width() * 4);
    return hash.result();
}

// The twin at twice the size that Qt picks on a screen scaled by 2.
QString twinPath(const QString &path)
{
    return path.left(path.size() - int(qstrlen(".png"))) + QStringLiteral("@2x.png");
}

// Mean difference per channel (0..255) of two pictures of one size.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                   + std::abs(qBlue(p) - qBlue(q)) + std::abs(qAlpha(p) - qAlpha(q));
        }
    return sum / (4.0 * x.width() * x.height());
}

int opaquePixels(const QImage &image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(argb.pixel(x, y)) > 128)
                ++count;
    return count;
}

} // namespace

class ResourcePicturesTest : public QObject {
    Q_OBJECT

private slots:
    void everyNamedPictureLoadsAsAnIcon_data()
    {
        QTest::addColumn<QString>("path");
        for (const char *path : kProgramPictures)
            QTest::newRow(path) << QString::fromLatin1(path);
    }

    void everyNamedPictureLoadsAsAnIcon()
    {
        QFETCH(QString, path);
        const QImage image(path);
        QVERIFY2(!image.isNull(), qPrintable(path));
        // Large enough for the biggest button that shows it (80 x 80 side
        // toggle, 60 x 60 panel buttons) without blur, small enough to stay
        // an icon.
        QVERIFY(image.width() >= 32 && image.height() >= 32);
        QVERIFY(image.width() <= 256 && image.height() <= 256);
        // Icons sit on the panels' own backgrounds: transparent canvas with
        // a visible mark on it.
        QVERIFY(image.hasAlphaChannel());
        const int opaque = opaquePixels(image);
        QVERIFY2(opaque > 0, "picture is blank");
        QVERIFY2(opaque < image.width() * image.height(), "picture has no transparent margin");
    }

    void noTwoPicturesAreTheSame()
    {
        // A copy-and-paste slip in the icon table would give two meanings
        // the same picture, e.g. the "on" variant of a tool its plain icon.
        QMap<QByteArray, QString> seen;
        for (const char *path : kProgramPictures) {
            const QByteArray digest = pixelDigest(QImage(QString::fromLatin1(path)));
            QVERIFY2(!seen.contains(digest),
                     qPrintable(QString("%1 equals %2").arg(path, seen.value(digest))));
            seen.insert(digest, QString::fromLatin1(path));
        }
    }

    void curtainHandlesMatchTheirEdges()
    {
        // The handles are stretched to 25 x 58 (sides) and 58 x 25 (top and
        // bottom); a picture of the other orientation would be squashed.
        for (const char *side : {"left", "right"}) {
            const QImage image(QString(":/static/other/curtain_%1.png").arg(side));
            QVERIFY2(image.height() > image.width(), side);
        }
        for (const char *side : {"top", "bottom"}) {
            const QImage image(QString(":/static/other/curtain_%1.png").arg(side));
            QVERIFY2(image.width() > image.height(), side);
        }
    }

    void eraserCursorIsASquareForTheEraser()
    {
        // Scaled to the 40 x 40 eraser square.
        const QImage cursor(":/static/pizhu/cursor.png");
        QVERIFY(!cursor.isNull());
        QCOMPARE(cursor.width(), cursor.height());
        QVERIFY(cursor.width() >= 40);
        QVERIFY(cursor.hasAlphaChannel());
    }

    void everyPictureHasATwinAtTwiceTheSize()
    {
        // Without the twin a screen scaled by 2 shows the picture blown up
        // and blurred; a twin of another drawing would show the wrong icon
        // only on such screens.
        for (const char *name : kProgramPictures) {
            const QString path = QString::fromLatin1(name);
            const QImage plain(path);
            const QImage twin(twinPath(path));
            QVERIFY2(!twin.isNull(), qPrintable(twinPath(path)));
            QCOMPARE(twin.size(), plain.size() * 2);
            // Qt reads the ratio from the "@2x" in the name.
            QCOMPARE(twin.devicePixelRatio(), 2.0);
            const QImage down = twin.scaled(plain.size(), Qt::IgnoreAspectRatio,
                                            Qt::SmoothTransformation);
            const double difference = meanDifference(down, plain);
            QVERIFY2(difference < 6.0, qPrintable(QString("%1 differs from its twin by %2")
                                                      .arg(path).arg(difference)));
        }
    }

    void resourceTreeHoldsOnlyNamedFiles()
    {
        // Anything else under :/static/ is dead weight in every build of the
        // program, or a picture whose user names it differently.
        QSet<QString> named;
        for (const char *path : kProgramPictures) {
            named.insert(QString::fromLatin1(path));
            named.insert(twinPath(QString::fromLatin1(path)));
        }
        QStringList strays;
        QDirIterator it(":/static", QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (!named.contains(path) && !path.startsWith(QLatin1String(kFontFolder) + '/'))
                strays << path;
        }
        QVERIFY2(strays.isEmpty(), qPrintable(strays.join(", ")));
        // The application font and the face for the script it lacks (Thai).
        QCOMPARE(QDir(kFontFolder).entryList(QDir::Files, QDir::Name),
                 QStringList({"ui_font.ttf", "ui_font_thai.ttf"}));
    }
};

REGISTER_TEST_CLASS(ResourcePicturesTest)
#include "resource_pictures_test.moc"
