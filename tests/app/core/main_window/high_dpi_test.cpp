// SPDX-License-Identifier: GPL-3.0-or-later
// The program on a screen scaled by 2 (QT_SCALE_FACTOR=2), on an X server of
// the test's own with the size of CORVANE_TEST_SCREEN (WIDTHxHEIGHT in screen
// pixels): a 3840x2160 monitor is 1920x1080 logical pixels (the large
// layout), a 2560x1600 laptop 1280x800 (the small one). Everything is laid
// out in logical pixels and drawn with twice as many screen pixels: the
// window still covers the screen, the panels stay on it, every icon comes
// from its @2x picture, the live and compare pictures use every screen
// pixel, and no text is cut off, in English or Chinese.

#include "core/main_window/corvane.h"
#include "core/main_window/hover_tip.h"
#include "core/startup/app_settings.h"
#include "core/startup/application_setup.h"
#include "core/startup/language_switch.h"
#include "tools/compare/compare_page_controller.h"
#include "core/connection/my_wifi_select.h"
#include "imaging/side_bar/my_side_bar.h"
#include "tools/annotate/my_annotate_bar.h"
#include "tools/compare/my_com_bar.h"
#include "tools/curtain/my_curtain_bar.h"
#include "tools/pdf/my_pdf_bar.h"
#include "tools/settings/my_settings_bar.h"
#include "tools/tool_bar/my_tool_bar.h"

#include "private_x_server.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

#include <cstdio>
#include <memory>

namespace {

constexpr qreal kFactor = 2.0;
constexpr int kEnglish = 2;
constexpr int kChinese = 0;

QSize testScreen()
{
    const QStringList parts =
        QString::fromLocal8Bit(qgetenv("CORVANE_TEST_SCREEN")).split(QLatin1Char('x'));
    if (parts.size() != 2)
        return QSize(3840, 2160);
    return QSize(parts[0].toInt(), parts[1].toInt());
}

// Texts that do not fit the widget showing them, as "objectName: text".
QStringList cutOffTexts(QWidget *top)
{
    QStringList found;
    QList<QWidget *> widgets = top->findChildren<QWidget *>();
    widgets.prepend(top);
    for (QWidget *widget : widgets) {
        if (!widget->isVisibleTo(top))
            continue;
        QString text;
        int besideText = 0; // icon or check mark beside the text
        if (auto *label = qobject_cast<QLabel *>(widget)) {
            if (label->wordWrap() || label->textFormat() == Qt::RichText
                || Qt::mightBeRichText(label->text()))
                continue;
            text = label->text();
        } else if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
            text = button->text().remove(QRegularExpression(QStringLiteral("&(?!&)")));
            if (!button->icon().isNull() && !text.isEmpty()) {
                auto *tool = qobject_cast<QToolButton *>(button);
                if (tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly)
                    continue; // the text is not shown
                if (!tool || tool->toolButtonStyle() == Qt::ToolButtonTextBesideIcon)
                    besideText = button->iconSize().width();
            }
            if (qobject_cast<QCheckBox *>(button))
                besideText = widget->style()->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, widget);
        }
        if (text.isEmpty())
            continue;
        const QFontMetrics metrics = widget->fontMetrics();
        int width = 0;
        for (const QString &line : text.split(QLatin1Char('\n')))
            width = qMax(width, metrics.horizontalAdvance(line));
        const QRect room = widget->contentsRect();
        if (width + besideText > room.width() || metrics.height() > room.height())
            found << QStringLiteral("%1/%2: \"%3\" needs %4x%5, has %6x%7")
                         .arg(top->objectName(), widget->objectName(), text)
                         .arg(width + besideText)
                         .arg(metrics.height())
                         .arg(room.width())
                         .arg(room.height());
    }
    return found;
}

// Buttons whose icon is not drawn from a picture with twice the pixels.
QStringList blurryIcons(QWidget *top)
{
    QStringList found;
    for (QAbstractButton *button : top->findChildren<QAbstractButton *>()) {
        if (button->icon().isNull())
            continue;
        const QPixmap drawn = button->icon().pixmap(button->iconSize());
        if (drawn.devicePixelRatio() != kFactor)
            found << QStringLiteral("%1/%2 (ratio %3, %4x%5 for %6x%7)")
                         .arg(top->objectName(), button->objectName())
                         .arg(drawn.devicePixelRatio())
                         .arg(drawn.width())
                         .arg(drawn.height())
                         .arg(button->iconSize().width())
                         .arg(button->iconSize().height());
    }
    return found;
}

// Share of the 2x2 blocks of screen pixels inside `area` that are not one
// flat colour: 0 for a picture blown up from logical pixels.
double detailedBlockShare(const QImage &shot, const QRect &area)
{
    int detailed = 0;
    int blocks = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2) {
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb p = shot.pixel(x, y);
            ++blocks;
            if (shot.pixel(x + 1, y) != p || shot.pixel(x, y + 1) != p || shot.pixel(x + 1, y + 1) != p)
                ++detailed;
        }
    }
    return blocks ? double(detailed) / blocks : 0.0;
}

QImage noisePicture(int width, int height)
{
    QImage picture(width, height, QImage::Format_RGB888);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        uchar *line = picture.scanLine(y);
        for (int x = 0; x < width * 3; ++x)
            line[x] = uchar(random.bounded(256));
    }
    return picture;
}

} // namespace

class HighDpiTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Corvane> window_;

    QScreen *screen() const { return QGuiApplication::primaryScreen(); }

    QList<QWidget *> panels() const
    {
        return {window_->toolBar(), window_->sideBar(), window_->comBar(), window_->annotateBar()};
    }

    void useLanguage(int index)
    {
        QVERIFY(LanguageSwitch::program().switchTo(index));
        // The forms retranslate on the LanguageChange events just posted.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }

private slots:
    void initTestCase()
    {
        useEmbeddedFont();
        window_ = std::make_unique<Corvane>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        if (!window_->panelsShown())
            window_->sideShowAndHide();
    }

    void cleanupTestCase()
    {
        window_.reset();
    }

    void screenIsScaledByTwo()
    {
        QCOMPARE(window_->devicePixelRatioF(), kFactor);
        QCOMPARE(screen()->geometry().size() * kFactor, testScreen());
    }

    void windowCoversTheScreen()
    {
        // Laid out from the available geometry in logical pixels, drawn
        // with every pixel of the screen.
        const QRect available = screen()->availableGeometry();
        QCOMPARE(window_->geometry(), available);
        QCOMPARE(QSize(window_->screenWidth(), window_->screenHeight()), available.size());
        const QPixmap shot = window_->grab();
        QCOMPARE(shot.devicePixelRatio(), kFactor);
        QCOMPARE(shot.size(), testScreen());
        auto *title = window_->findChild<QWidget *>(QStringLiteral("widget_title"));
        QCOMPARE(title->width(), available.width());
        QCOMPARE(title->grab().size(), QSize(available.width(), 32) * kFactor);
    }

    void panelsStayOnTheScreenAtTwiceTheirSize()
    {
        const QRect available = screen()->availableGeometry();
        for (QWidget *panel : panels()) {
            QVERIFY2(available.contains(panel->geometry()),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 leaves the screen")
                                    .arg(panel->objectName())
                                    .arg(panel->x())
                                    .arg(panel->y())
                                    .arg(panel->width())
                                    .arg(panel->height())));
            const QPixmap shot = panel->grab();
            QCOMPARE(shot.devicePixelRatio(), kFactor);
            QCOMPARE(shot.size(), panel->size() * kFactor);
        }
        auto *side = window_->findChild<QWidget *>(QStringLiteral("btn_side"));
        QVERIFY(window_->rect().contains(side->geometry()));
    }

    void everyIconIsDrawnFromItsTwiceSizedPicture()
    {
        QStringList blurry = blurryIcons(window_.get());
        for (QWidget *panel : panels())
            blurry += blurryIcons(panel);
        QVERIFY2(blurry.isEmpty(), qPrintable(blurry.join(QStringLiteral("; "))));
    }

    void bannerMarksAndCurtainHandlesAreSharp()
    {
        window_->setWidgetStateDui(QStringLiteral("saved"));
        auto *mark = window_->findChild<QLabel *>(QStringLiteral("state_label_icon"));
        QCOMPARE(mark->pixmap(Qt::ReturnByValue).devicePixelRatio(), kFactor);
        window_->setWidgetStateTextClear();

        window_->side_zhezhao();
        MyCurtainBar *curtain = window_->curtain();
        QVERIFY(curtain);
        int handles = 0;
        for (QLabel *label : curtain->findChildren<QLabel *>()) {
            const QPixmap picture = label->pixmap(Qt::ReturnByValue);
            if (picture.isNull())
                continue;
            ++handles;
            QCOMPARE(picture.devicePixelRatio(), kFactor);
            QCOMPARE(picture.size(), label->size() * kFactor);
        }
        QCOMPARE(handles, 4);
        curtain->close();
    }

    void livePictureUsesEveryScreenPixel()
    {
        // A camera picture with detail in every pixel, larger than the
        // screen: scaled to the picture area in screen pixels, neighbouring
        // screen pixels differ; blown up from logical pixels they would
        // come in flat 2x2 blocks.
        window_->drawWifiVideoFrame(noisePicture(3840, 2880));
        const QImage shot = window_->grab().toImage();
        const QRect middle(shot.width() / 3, shot.height() / 3, shot.width() / 3, shot.height() / 3);
        QVERIFY2(detailedBlockShare(shot, middle) > 0.9,
                 qPrintable(QString::number(detailedBlockShare(shot, middle))));
    }

    void comparePicturesUseEveryScreenPixel()
    {
        // The same for a snapshot of the camera picture in the compare view.
        window_->drawWifiVideoFrame(noisePicture(3840, 2880));
        window_->tool_duibi(true);
        const QRect first = window_->comparePage().model().window(1).geometry;
        QTest::mouseClick(window_.get(), Qt::LeftButton, Qt::NoModifier,
                          first.center() + QPoint(0, 32));
        QCOMPARE(window_->comparePage().model().selected(), 1);
        window_->com_widget_scan();
        auto *label = window_->findChild<QLabel *>(QStringLiteral("label_com1"));
        const QPixmap shown = label->pixmap(Qt::ReturnByValue);
        QCOMPARE(shown.devicePixelRatio(), kFactor);
        QCOMPARE(shown.size(), label->size() * kFactor);
        const QImage picture = shown.toImage();
        QVERIFY(detailedBlockShare(picture, picture.rect()) > 0.9);
        window_->tool_duibi(false);
    }

    void hoverTipHoldsItsWholeText()
    {
        HoverTip *tip = window_->hoverTip();
        tip->setText(QStringLiteral("Einstellungen (Ctrl+Umschalt+E)"));
        tip->showAt(QPoint(100, 100));
        QWidget *label = nullptr;
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top->objectName() == QLatin1String("hoverTip") && top->isVisible())
                label = top;
        QVERIFY(label);
        const int text = label->fontMetrics().horizontalAdvance(
            QStringLiteral("Einstellungen (Ctrl+Umschalt+E)"));
        QVERIFY2(label->width() >= text + 16, qPrintable(QString::number(label->width())));
        QCOMPARE(label->mask().boundingRect(), label->rect());
        QCOMPARE(label->grab().size(), label->size() * kFactor);
        tip->hide();
    }

    void noTextIsCutOff_data()
    {
        QTest::addColumn<int>("language");
        QTest::newRow("English") << kEnglish;
        QTest::newRow("Chinese") << kChinese;
    }

    void noTextIsCutOff()
    {
        QFETCH(int, language);
        useLanguage(language);
        QStringList cut = cutOffTexts(window_.get());
        for (QWidget *panel : panels())
            cut += cutOffTexts(panel);
        cut += cutOffTexts(window_->connectionDialog());

        window_->findChild<QToolButton *>(QStringLiteral("software_settings"))->click();
        QVERIFY(window_->settingsDialog());
        cut += cutOffTexts(window_->settingsDialog());
        window_->settingsDialog()->close();

        window_->tool_pdf();
        QVERIFY(window_->pdfComposer());
        cut += cutOffTexts(window_->pdfComposer());
        window_->pdfComposer()->close();

        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("\n"))));
    }
};

int main(int argc, char **argv)
{
    const QSize size = testScreen();
    PrivateXServer server(size.width(), size.height());
    if (!server.running()) {
        std::fprintf(stderr, "high_dpi_test: %s\n", server.problem().c_str());
        return 77; // skipped
    }
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_SCALE_FACTOR", "2");
    // As the program does (core/startup/main.cpp).
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    QTemporaryDir settingsFolder;
    if (!settingsFolder.isValid())
        return 1;
    setSettingsFolderForTests(settingsFolder.path());
    HighDpiTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "high_dpi_test.moc"
