#include "widgets/ImageBlur.h"
#include "widgets/ObjGlowGraphEffect.h"
#include "widgets/WgGlowLabel.h"
#include "widgets/WgLabel.h"

#include <QImage>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The label drawn over transparency, without its window background.
QImage render(WgGlowLabel& label)
{
    QImage image(label.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool isGlyph(QRgb pixel)
{
    const QRgb plain = qUnpremultiply(pixel);
    return qAlpha(plain) > 200 && qRed(plain) > 200 && qGreen(plain) > 200 && qBlue(plain) < 80;
}

QRect glyphBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isGlyph(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// A label wide and tall enough that the glow fits around the caption.
struct GlowRig
{
    WgGlowLabel label{nullptr};

    GlowRig()
    {
        label.setLabelText("AIS");
        label.resize(160, 80);
        label.show();
    }

    QGraphicsEffect* effect() { return label.findChild<WgLabel*>()->graphicsEffect(); }
};

} // namespace

class TstGlowLabel : public QObject
{
    Q_OBJECT

private slots:
    void boundingRectGrowsByTwiceTheRadius_data()
    {
        QTest::addColumn<int>("radius");
        QTest::addColumn<QRectF>("expected");
        QTest::newRow("0") << 0 << QRectF(5, 7, 100, 20);
        QTest::newRow("16") << 16 << QRectF(5, 7, 132, 52);
        QTest::newRow("negative counts as 0") << -3 << QRectF(5, 7, 100, 20);
    }

    void boundingRectGrowsByTwiceTheRadius()
    {
        QFETCH(int, radius);
        ObjGlowGraphEffect effect(nullptr);
        effect.setRadius(radius);
        QFETCH(QRectF, expected);
        QCOMPARE(effect.boundingRectFor(QRectF(5, 7, 100, 20)), expected);
    }

    void radiusZeroDrawsPlainLabel()
    {
        GlowRig rig;
        rig.label.setGlowEffect(0, 0xFF0000);
        const QImage withEffect = render(rig.label);
        QVERIFY(!glyphBounds(withEffect).isEmpty());
        rig.effect()->setEnabled(false);
        QCOMPARE(render(rig.label), withEffect);
    }

    // Red fading with the distance from the glyphs, which stay where they are, in yellow.
    void glowSurroundsGlyphs()
    {
        GlowRig rig;
        rig.label.setGlowEffect(0, 0xFF0000);
        const QImage plain = render(rig.label);
        rig.label.setGlowEffect(16, 0xFF0000);
        const QImage glowing = render(rig.label);

        const QRect glyphs = glyphBounds(plain);
        // The glow under a glyph's soft edge may make one more pixel count as glyph.
        QVERIFY(glyphs.adjusted(-1, -1, 1, 1).contains(glyphBounds(glowing)));
        QVERIFY(glyphs.left() >= 9);
        for (int y = 0; y < plain.height(); ++y) {
            for (int x = 0; x < plain.width(); ++x) {
                if (qAlpha(plain.pixel(x, y)) == 255)
                    QCOMPARE(glowing.pixel(x, y), plain.pixel(x, y));
            }
        }

        const int row = glyphs.center().y();
        int previousAlpha = 256;
        for (int distance : {2, 5, 8}) {
            const QRgb pixel = qUnpremultiply(glowing.pixel(glyphs.left() - distance, row));
            QVERIFY2(qAlpha(pixel) > 0 && qAlpha(pixel) < previousAlpha, qPrintable(QString::number(distance)));
            QVERIFY(qRed(pixel) > 200 && qGreen(pixel) < 40 && qBlue(pixel) < 40);
            previousAlpha = qAlpha(pixel);
        }
        QCOMPARE(qAlpha(plain.pixel(glyphs.left() - 2, row)), 0);
        QVERIFY(glyphs.top() > 24);
        QCOMPARE(qAlpha(glowing.pixel(glyphs.left() - 2, 0)), 0);
    }

    // One lit pixel spreads into a symmetric bell that reaches three half widths and keeps its
    // weight; colour never exceeds alpha.
    void blurSpreadsSymmetrically()
    {
        QImage image(41, 41, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        image.setPixel(20, 20, qRgba(255, 255, 255, 255));
        ImageBlur::blur(image, 6);

        int total = 0;
        for (int y = 0; y < 41; ++y) {
            for (int x = 0; x < 41; ++x) {
                const QRgb pixel = image.pixel(x, y);
                QVERIFY(qRed(pixel) <= qAlpha(pixel));
                total += qAlpha(pixel);
            }
        }
        QVERIFY2(qAbs(total - 255) <= 40, qPrintable(QString::number(total)));
        for (int d = 0; d <= 7; ++d) {
            const int alpha = qAlpha(image.pixel(20 + d, 20));
            QCOMPARE(qAlpha(image.pixel(20 - d, 20)), alpha);
            QVERIFY(qAbs(qAlpha(image.pixel(20, 20 + d)) - alpha) <= 1);  // rounded in another order
            if (d > 0)
                QVERIFY(alpha <= qAlpha(image.pixel(20 + d - 1, 20)));
        }
        QVERIFY(qAlpha(image.pixel(20, 20)) > qAlpha(image.pixel(23, 20)));
        QCOMPARE(qAlpha(image.pixel(27, 20)), 0);
    }

    void effectOwnedOnceByCaption()
    {
        QPointer<QGraphicsEffect> effect;
        {
            GlowRig rig;
            effect = rig.effect();
            QVERIFY(qobject_cast<ObjGlowGraphEffect*>(effect));
            rig.label.setGlowEffect(4, 0x00FF00);
            QCOMPARE(rig.effect(), effect.data());
            QCOMPARE(static_cast<ObjGlowGraphEffect*>(effect.data())->radius(), 4);
            QCOMPARE(static_cast<ObjGlowGraphEffect*>(effect.data())->glowColor(), QColor(0, 255, 0));
        }
        QVERIFY(!effect);
    }

    void clickOnCaptionEmitsClicked()
    {
        GlowRig rig;
        QSignalSpy clicked(&rig.label, &WgGlowLabel::clicked);
        QTest::mouseClick(rig.label.findChild<WgLabel*>(), Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);
    }
};

QTEST_MAIN(TstGlowLabel)
#include "tst_glowlabel.moc"
