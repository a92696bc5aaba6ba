#include "StartUpFont.h"
#include "resources/LibraryImage.h"
#include "resources/ResourceCollections.h"
#include "style/ObjPalette.h"
#include "style/CStyledItemDelegate.h"
#include "support/Singleton.h"

#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QMap>
#include <QPushButton>
#include <QtTest>

namespace {

QColor pixel(QWidget& widget, int x, int y)
{
    return widget.grab().toImage().pixelColor(x, y);
}

// How often the picture's commonest opaque colour occurs in the picture and in the rendering.
QPair<int, int> commonestColour(const QImage& rendered, const QString& picturePath)
{
    const QImage picture(picturePath);
    QMap<QRgb, int> counts;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb colour = picture.pixel(x, y);
            if (qAlpha(colour) == 255)
                ++counts[colour];
        }
    }
    QRgb commonest = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(commonest))
            commonest = it.key();
    }
    int shown = 0;
    for (int y = 0; y < rendered.height(); ++y) {
        for (int x = 0; x < rendered.width(); ++x)
            shown += rendered.pixel(x, y) == commonest ? 1 : 0;
    }
    return {counts.value(commonest), shown};
}

// The rendering holds the picture: nearly all of its commonest colour's pixels.
void verifyShowsPicture(QWidget& widget, const QString& picturePath)
{
    const auto [inPicture, shown] = commonestColour(widget.grab().toImage(), picturePath);
    QVERIFY2(inPicture > 0, qPrintable(picturePath));
    QVERIFY2(shown >= inPicture * 9 / 10, qPrintable(QStringLiteral("%1 of %2").arg(shown).arg(inPicture)));
}

} // namespace

// Qt draws the composed sheets: the colours and pictures land where the look needs them.
class TstStyleRenders : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Resources::registerCollections();
        useStartUpFont();
    }

    void flatRoyalBluePushButton()
    {
        QWidget panel;
        auto* button = new QPushButton(&panel);
        button->resize(80, 30);
        ObjPalette::setPushBtnColorToneStyle(&panel, "", WG_COLOR_TONE_5);
        QCOMPARE(pixel(*button, 40, 15), QColor(0x4169e1));
    }

    void checkedStateColours()
    {
        QWidget panel;
        auto* button = new QPushButton(&panel);
        button->setCheckable(true);
        button->resize(80, 30);
        ObjPalette::setPushBtnColorToneStyle(&panel, "", WG_COLOR_TONE_6);
        QVERIFY(pixel(*button, 40, 15) != QColor(0x0000ff));
        button->setChecked(true);
        QCOMPARE(pixel(*button, 40, 15), QColor(0x0000ff));
        QCOMPARE(pixel(*button, 0, 15), QColor(0xa9a9a9));  // the border

        QPushButton title;
        title.setCheckable(true);
        title.setChecked(true);
        title.resize(120, 30);
        ObjPalette::setHomeTitleStyle(&title);
        QCOMPARE(pixel(title, 60, 25), QColor(0xfffbf0));
    }

    void groupPanel()
    {
        QWidget group;
        group.setObjectName("wgGroup");
        group.resize(100, 60);
        ObjPalette::setGroupStyle(&group, false);
        QCOMPARE(pixel(group, 50, 30), QColor(0xfffbf0));
        QCOMPARE(pixel(group, 50, 0), QColor(0xa6caf0));
        QCOMPARE(pixel(group, 0, 30), QColor(0xa6caf0));
        QCOMPARE(pixel(group, 1, 30), QColor(0xa6caf0));
    }

    void whiteThemeStylesVerticalLinesOnly()
    {
        QWidget form;
        form.setObjectName("wgCentral");
        auto* layout = new QHBoxLayout(&form);
        auto* horizontal = new QFrame;
        horizontal->setFrameShape(QFrame::HLine);
        auto* vertical = new QFrame;
        vertical->setFrameShape(QFrame::VLine);
        layout->addWidget(horizontal);
        layout->addWidget(vertical);
        form.resize(200, 100);
        const QImage plainHorizontal = horizontal->grab().toImage();

        CStyledItemDelegate delegate;
        ObjPalette::setWhiteThemeWgsStyle(&form, delegate);
        // Beside the drawn line lies the frame's background.
        QCOMPARE(pixel(*vertical, 0, vertical->height() / 2), QColor(0x191970));
        QCOMPARE(horizontal->grab().toImage(), plainHorizontal);
    }

    void checkBoxIndicatorImage()
    {
        QWidget form;
        form.setObjectName("wgCentral");
        auto* checkBox = new QCheckBox(QStringLiteral("check"), &form);
        checkBox->setChecked(true);
        checkBox->resize(100, 30);
        CStyledItemDelegate delegate;
        ObjPalette::setWhiteThemeWgsStyle(&form, delegate);
        const LibraryImage& images = *Pattern::Singleton<LibraryImage>::Instance();
        verifyShowsPicture(*checkBox, QString::fromStdString(images.getCheckBoxIconPath(0, 0)));
        checkBox->setChecked(false);
        verifyShowsPicture(*checkBox, QString::fromStdString(images.getCheckBoxIconPath(0, 1)));
    }

    // The file name holds a blank and stands unquoted in url().
    void selectedWiFiTileImage()
    {
        QWidget tile;
        tile.setObjectName("wgWiFiApMode");
        tile.resize(100, 80);
        ObjPalette::setWiFiModeWgsStyle(&tile, LibraryImage::WIFI_MODE_AP, true, true);
        const QImage rendered = tile.grab().toImage();
        int dashes = 0;
        for (int y = 10; y < 70; ++y)
            dashes += rendered.pixelColor(0, y) == QColor(0x808080) ? 1 : 0;
        QVERIFY2(dashes > 15 && dashes < 50, qPrintable(QString::number(dashes)));  // a dashed border
        verifyShowsPicture(tile, ":/WiFiMode/Images/WiFiMode/0.AP Mode.png");
        ObjPalette::setWiFiModeWgsStyle(&tile, LibraryImage::WIFI_MODE_CLIENT, false, true);
        verifyShowsPicture(tile, ":/WiFiMode/Images/WiFiMode/1.Client Mode.png");
    }
};

QTEST_MAIN(TstStyleRenders)
#include "tst_stylerenders.moc"
