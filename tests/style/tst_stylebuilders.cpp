#include "SampleStyleRecords.h"
#include "StyleSheetHarness.h"
#include "TestEnv.h"
#include "style/QtObjPalette.h"
#include "support/PortalStr.h"

#include <QtTest>
#include <cstdio>
#include <memory>

Q_DECLARE_METATYPE(SWidgetColor)
Q_DECLARE_METATYPE(WIDGET_FONT)
Q_DECLARE_METATYPE(WIDGET_BORDER_LINE)
Q_DECLARE_METATYPE(WIDGET_BORDER_RADIUS)
Q_DECLARE_METATYPE(WIDGET_BORDER_SIDES)
Q_DECLARE_METATYPE(SWidgetGradientColor)

namespace {

constexpr uint32_t NotSet = WG_COLOR_NOT_SET;
constexpr int32_t Unset = WG_LENGTH_NOT_SET;

StyleSheetHarness* g_harness = nullptr;

// Every run a builder writes must also be a sheet Qt takes whole.
void verifyParses(const QString& declarations)
{
    const QStringList failures = g_harness->check(declarations);
    QVERIFY2(failures.isEmpty(), qPrintable(declarations + QLatin1Char('\n') + failures.join('\n')));
}

} // namespace

class TstStyleBuilders : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<StyleSheetHarness> m_harness;

private slots:
    void initTestCase()
    {
        m_harness = std::make_unique<StyleSheetHarness>();
        g_harness = m_harness.get();
    }

    void cleanupTestCase()
    {
        g_harness = nullptr;
        m_harness.reset();
    }

    void colors_data()
    {
        QTest::addColumn<SWidgetColor>("color");
        QTest::addColumn<bool>("alpha");
        QTest::addColumn<QString>("expected");

        QTest::newRow("all unset") << SWidgetColor{NotSet, NotSet, NotSet, NotSet, NotSet} << false << "";
        QTest::newRow("black is a colour") << SWidgetColor{0x000000, NotSet, NotSet, NotSet, NotSet} << false
                                           << "color:#000000;";
        QTest::newRow("top byte clear") << SWidgetColor{0x00FFFFFF, NotSet, NotSet, NotSet, NotSet} << false
                                        << "color:#ffffff;";
        QTest::newRow("background unset")
            << SWidgetColor{0x112233, NotSet, 0x445566, 0x778899, 0xaabbcc} << false
            << "color:#112233;selection-color:#445566;selection-background-color:#778899;"
               "alternate-background-color:#aabbcc;";
        QTest::newRow("background only") << SWidgetColor{NotSet, 0x0a0b0c, NotSet, NotSet, NotSet} << false
                                         << "background-color:#0a0b0c;";
        QTest::newRow("alpha") << SWidgetColor{0x80112233, 0x12, NotSet, NotSet, NotSet} << true
                               << "color:#80112233;background-color:#00000012;";
    }

    void colors()
    {
        QFETCH(SWidgetColor, color);
        QFETCH(bool, alpha);
        QFETCH(QString, expected);
        QCOMPARE(QtObjPalette::getWgColorStyleStr(&color, alpha), expected);
        verifyParses(expected);
    }

    void fonts_data()
    {
        QTest::addColumn<WIDGET_FONT>("font");
        QTest::addColumn<QString>("expected");

        QTest::newRow("all unset") << WIDGET_FONT{0, 0, ""} << "";
        QTest::newRow("full") << WIDGET_FONT{14, 7, "Tahoma"} << "font-size:14px;font-weight:700;font-family:\"Tahoma\";";
        QTest::newRow("size -1") << WIDGET_FONT{-1, 0, ""} << "";
        QTest::newRow("size only") << WIDGET_FONT{14, 0, ""} << "font-size:14px;";
        QTest::newRow("weight 4") << WIDGET_FONT{0, 4, ""} << "font-weight:400;";
        QTest::newRow("weight 9") << WIDGET_FONT{0, 9, ""} << "font-weight:900;";
        QTest::newRow("weight 10 past the table") << WIDGET_FONT{12, 10, ""} << "font-size:12px;";
        QTest::newRow("weight all bits") << WIDGET_FONT{0, 0xFFFFFFFF, "Sans"} << "font-family:\"Sans\";";
        QTest::newRow("UTF-8 family") << WIDGET_FONT{0, 0, "Fira Süd"} << "font-family:\"Fira S\u00fcd\";";
    }

    void fonts()
    {
        QFETCH(WIDGET_FONT, font);
        QFETCH(QString, expected);
        QCOMPARE(QtObjPalette::getWgFontStyleStr(&font), expected);
        verifyParses(expected);
    }

    // The same line as border, outline and focus outline.
    void lines_data()
    {
        QTest::addColumn<WIDGET_BORDER_LINE>("line");
        QTest::addColumn<QString>("expected");

        QTest::newRow("width 0") << WIDGET_BORDER_LINE{0, -1, NotSet} << "border:0px;";
        QTest::newRow("solid white") << WIDGET_BORDER_LINE{1, 1, 0xffffff} << "border:1px solid #ffffff;";
        QTest::newRow("width -1 still written") << WIDGET_BORDER_LINE{-1, -1, NotSet} << "border:-1px;";
        QTest::newRow("colour unset") << WIDGET_BORDER_LINE{2, 1, NotSet} << "border:2px;";
        QTest::newRow("style unset") << WIDGET_BORDER_LINE{2, -1, 0x123456} << "border:2px;";
        QTest::newRow("style without word") << WIDGET_BORDER_LINE{1, 0, 0x123456} << "border:1px  #123456;";
        QTest::newRow("style past the table") << WIDGET_BORDER_LINE{1, 11, 0x123456} << "border:1px  #123456;";
        QTest::newRow("ridge") << WIDGET_BORDER_LINE{3, 10, 0} << "border:3px ridge #000000;";
    }

    void lines()
    {
        QFETCH(WIDGET_BORDER_LINE, line);
        QFETCH(QString, expected);
        QCOMPARE(QtObjPalette::getWgBorderLineStyleStr(&line), expected);
        const QString outline = QString(expected).replace("border:", "outline-width:");
        QCOMPARE(QtObjPalette::getWgOutlineStyleStr(&line), outline);
        const WIDGET_FOCUS focus{&line};
        QCOMPARE(QtObjPalette::getWgFocusStyleStr(&focus), outline);
        verifyParses(expected + outline);
    }

    void radii_data()
    {
        QTest::addColumn<WIDGET_BORDER_RADIUS>("radius");
        QTest::addColumn<QString>("expected");

        QTest::newRow("all unset") << WIDGET_BORDER_RADIUS{Unset, Unset, Unset, Unset, Unset} << "";
        QTest::newRow("all corners") << WIDGET_BORDER_RADIUS{5, Unset, Unset, Unset, Unset} << "border-radius:5px;";
        QTest::newRow("every field")
            << WIDGET_BORDER_RADIUS{0, 1, 2, 3, 4}
            << "border-radius:0px;border-top-left-radius:1px;border-top-right-radius:2px;"
               "border-bottom-right-radius:3px;border-bottom-left-radius:4px;";
        QTest::newRow("two corners") << WIDGET_BORDER_RADIUS{Unset, 6, Unset, 8, Unset}
                                     << "border-top-left-radius:6px;border-bottom-right-radius:8px;";
    }

    void radii()
    {
        QFETCH(WIDGET_BORDER_RADIUS, radius);
        QFETCH(QString, expected);
        QCOMPARE(QtObjPalette::getWgBorderRadiusStyleStr(&radius), expected);
        WIDGET_BORDER_LINE line{1, 1, 0x808080};
        const WIDGET_BORDER box{&line, &radius};
        QCOMPARE(QtObjPalette::getWgBorderBoxStyleStr(&box), "border:1px solid #808080;" + expected);
        const WIDGET_BORDER radiusOnly{nullptr, &radius};
        QCOMPARE(QtObjPalette::getWgBorderBoxStyleStr(&radiusOnly), expected);
        verifyParses(expected);
    }

    void sides_data()
    {
        QTest::addColumn<WIDGET_BORDER_SIDES>("sides");
        QTest::addColumn<QString>("expected");

        QTest::newRow("all unset") << WIDGET_BORDER_SIDES{Unset, Unset, Unset, Unset, 1, 0xff0000} << "";
        QTest::newRow("left and bottom")
            << WIDGET_BORDER_SIDES{2, Unset, Unset, 4, 1, 0xff0000}
            << "border-left:2px solid #ff0000;border-bottom:4px solid #ff0000;";
        QTest::newRow("style unset") << WIDGET_BORDER_SIDES{2, Unset, Unset, 4, Unset, 0xff0000}
                                     << "border-left:2px;border-bottom:4px;";
        // Unlike a border line, the sides write an unset colour as it is.
        QTest::newRow("colour unset") << WIDGET_BORDER_SIDES{Unset, 1, Unset, Unset, 2, NotSet}
                                      << "border-top:1px dashed #ffffffff;";
        QTest::newRow("four sides") << WIDGET_BORDER_SIDES{0, 1, 2, 3, 5, 0x000000}
                                    << "border-left:0px dotted #000000;border-top:1px dotted #000000;"
                                       "border-right:2px dotted #000000;border-bottom:3px dotted #000000;";
    }

    void sides()
    {
        QFETCH(WIDGET_BORDER_SIDES, sides);
        QFETCH(QString, expected);
        QCOMPARE(QtObjPalette::getWgBorderSidesStyleStr(&sides), expected);
        verifyParses(expected);
    }

    void gradients_data()
    {
        QTest::addColumn<SWidgetGradientColor>("gradient");
        QTest::addColumn<QString>("expected");

        QTest::newRow("no stops") << SWidgetGradientColor{0, 0, 0, 1, 0, {}, {}}
                                  << "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0);";
        QTest::newRow("negative stop count") << SWidgetGradientColor{0, 0, 1, 0, -3, {}, {}}
                                             << "background: qlineargradient(x1:0.0, y1:0.0, x2:1.0, y2:0.0);";
        QTest::newRow("two stops") << SWidgetGradientColor{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0x000000}}
                                   << "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, "
                                      "stop:0.0 #ffffff, stop:1.0 #000000);";
        QTest::newRow("one decimal") << SWidgetGradientColor{0.5f, 0.33f, 0.96f, 1, 1, {0.66f}, {0x10}}
                                     << "background: qlineargradient(x1:0.5, y1:0.3, x2:1.0, y2:1.0, "
                                        "stop:0.7 #000010);";
        QTest::newRow("at most four stops")
            << SWidgetGradientColor{0, 0, 0, 1, 9, {0, 0.2f, 0.6f, 1}, {1, 2, 3, 4}}
            << "background: qlineargradient(x1:0.0, y1:0.0, x2:0.0, y2:1.0, stop:0.0 #000001, "
               "stop:0.2 #000002, stop:0.6 #000003, stop:1.0 #000004);";
    }

    void gradients()
    {
        QFETCH(SWidgetGradientColor, gradient);
        QFETCH(QString, expected);
        QCOMPARE(QtObjPalette::getWgGradientStyleStr(&gradient), expected);
        verifyParses(expected);
    }

    // The C library's "%.1f" in the C locale is the reference, ties to even included.
    void oneDecimalAsPrintf()
    {
        for (int i = -2000; i <= 2000; ++i) {
            const float value = float(i) / 1000;
            const SWidgetGradientColor gradient{value, 0, 0, 0, 0, {}, {}};
            char expected[32];
            QVERIFY(Portal::Str::SafeFormat(expected, sizeof expected, "%.1f", double(value)));
            const QString text = QtObjPalette::getWgGradientStyleStr(&gradient);
            QVERIFY2(text.startsWith(QStringLiteral("background: qlineargradient(x1:%1, ").arg(expected)),
                     qPrintable(QStringLiteral("%1: %2").arg(i).arg(text)));
        }
    }

    void lengths()
    {
        QCOMPARE(QtObjPalette::getWgSizeStyleStr({Unset, Unset}), QString());
        QCOMPARE(QtObjPalette::getWgSizeStyleStr({0, Unset}), "width:0px;");
        QCOMPARE(QtObjPalette::getWgSizeStyleStr({26, 24}), "width:26px;height:24px;");

        const WIDGET_PADDING padding{0, Unset, 0, Unset};
        QCOMPARE(QtObjPalette::getWgPaddingStyleStr(&padding), "padding-left:0px;padding-right:0px;");
        const WIDGET_PADDING noPadding{Unset, Unset, Unset, Unset};
        QCOMPARE(QtObjPalette::getWgPaddingStyleStr(&noPadding), QString());
        const WIDGET_MARGIN margin{1, 2, 3, 4};
        QCOMPARE(QtObjPalette::getWgMarginStyleStr(&margin),
                 "margin-left:1px;margin-top:2px;margin-right:3px;margin-bottom:4px;");
        const WIDGET_OFFSET offset{Unset, 1, 3, Unset};
        QCOMPARE(QtObjPalette::getWgOffsetStyleStr(&offset), "top:1px;right:3px;");

        // Stands last in its block: the brace ends it.
        QCOMPARE(QtObjPalette::getWgMinHeightStyleStr(40), "min-height:40px");
        verifyParses(QtObjPalette::getWgPaddingStyleStr(&padding) + QtObjPalette::getWgMarginStyleStr(&margin)
                     + QtObjPalette::getWgOffsetStyleStr(&offset) + QtObjPalette::getWgMinHeightStyleStr(40));
    }

    void images()
    {
        QCOMPARE(QtObjPalette::getWgImageStyleStr(QString()), "image: url();");
        QCOMPARE(QtObjPalette::getWgImageStyleStr(":/Widget/a.png"), "image: url(:/Widget/a.png);");
        QCOMPARE(QtObjPalette::getWgBackgroundImageStyleStr(QString(), 4, 4), QString());
        QCOMPARE(QtObjPalette::getWgBackgroundImageStyleStr(":/a.png", 4, 4),
                 "background-image: url(:/a.png);background-position: center center;"
                 "background-origin: content;background-repeat: none;");
        QCOMPARE(QtObjPalette::getWgBackgroundImageStyleStr(":/a.png", 9, 0),
                 "background-image: url(:/a.png);background-position:  left;"
                 "background-origin: content;background-repeat: none;");
    }

    void words_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("expected");

        const char* const edges[] = {"",       "solid",  "dashed", "dot-dash", "dot-dot-dash", "dotted",
                                     "double", "groove", "inset",  "outset",   "ridge"};
        for (int i = 0; i <= 10; ++i)
            QTest::addRow("edge %d", i) << QString::fromLatin1(QtObjPalette::getWgBorderStyleStr(i)) << edges[i];
        QTest::newRow("edge -1") << QString::fromLatin1(QtObjPalette::getWgBorderStyleStr(-1)) << "";
        QTest::newRow("edge 11") << QString::fromLatin1(QtObjPalette::getWgBorderStyleStr(11)) << "";
        QTest::newRow("align 0") << QtObjPalette::getWgAligStyleStr(0) << "left";
        QTest::newRow("align 1") << QtObjPalette::getWgAligStyleStr(1) << "top";
        QTest::newRow("align 2") << QtObjPalette::getWgAligStyleStr(2) << "right";
        QTest::newRow("align 3") << QtObjPalette::getWgAligStyleStr(3) << "bottom";
        QTest::newRow("align 4") << QtObjPalette::getWgAligStyleStr(4) << "center";
        QTest::newRow("align 5") << QtObjPalette::getWgAligStyleStr(5) << "";
        QTest::newRow("align -1") << QtObjPalette::getWgAligStyleStr(-1) << "";
        QTest::newRow("text-align") << QtObjPalette::getWgTextAlignStyleStr(4) << "text-align:center;";
        QTest::newRow("text-align none") << QtObjPalette::getWgTextAlignStyleStr(8) << "text-align:;";
        QTest::newRow("position 0") << QtObjPalette::getWgPositionStyleStr(0) << "relative";
        QTest::newRow("position 1") << QtObjPalette::getWgPositionStyleStr(1) << "absolute";
        QTest::newRow("position 2") << QtObjPalette::getWgPositionStyleStr(2) << "";
        QTest::newRow("box 0") << QtObjPalette::getWgBoxModelStyleStr(0) << "margin";
        QTest::newRow("box 1") << QtObjPalette::getWgBoxModelStyleStr(1) << "border";
        QTest::newRow("box 2") << QtObjPalette::getWgBoxModelStyleStr(2) << "padding";
        QTest::newRow("box 3") << QtObjPalette::getWgBoxModelStyleStr(3) << "content";
        QTest::newRow("box 4") << QtObjPalette::getWgBoxModelStyleStr(4) << "";
        QTest::newRow("box min") << QtObjPalette::getWgBoxModelStyleStr(INT_MIN) << "";
    }

    void words()
    {
        QFETCH(QString, word);
        QFETCH(QString, expected);
        QCOMPARE(word, expected);
    }

    void nullRecordsGiveNothing()
    {
        QCOMPARE(QtObjPalette::getWgColorStyleStr(nullptr, false), QString());
        QCOMPARE(QtObjPalette::getWgFontStyleStr(nullptr), QString());
        QCOMPARE(QtObjPalette::getWgBorderLineStyleStr(nullptr), QString());
        QCOMPARE(QtObjPalette::getWgBorderRadiusStyleStr(nullptr), QString());
        QCOMPARE(QtObjPalette::getWgBorderBoxStyleStr(nullptr), QString());
        const WIDGET_BORDER emptyBox{nullptr, nullptr};
        QCOMPARE(QtObjPalette::getWgBorderBoxStyleStr(&emptyBox), QString());
        QCOMPARE(QtObjPalette::getWgBorderSidesStyleStr(nullptr), QString());
        QCOMPARE(QtObjPalette::getWgOutlineStyleStr(nullptr), QString());
        QCOMPARE(QtObjPalette::getWgFocusStyleStr(nullptr), QString());
        const WIDGET_FOCUS noOutline{nullptr};
        QCOMPARE(QtObjPalette::getWgFocusStyleStr(&noOutline), QString());
        QCOMPARE(QtObjPalette::getWgGradientStyleStr(nullptr), QString());
        QCOMPARE(QtObjPalette::getWgPaddingStyleStr(nullptr), QString());
        QCOMPARE(QtObjPalette::getWgMarginStyleStr(nullptr), QString());
        QCOMPARE(QtObjPalette::getWgOffsetStyleStr(nullptr), QString());
    }

    void blocks_data()
    {
        QTest::addColumn<QString>("block");
        QTest::addColumn<QString>("expected");

        const QString run = QStringLiteral("color:#ffffff;");
        QTest::newRow("plain") << QtObjPalette::compStyleSheetBlock("btnMMHome", "QPushButton", "", ":hover", false, run)
                               << "QPushButton#btnMMHome:hover {color:#ffffff;}";
        QTest::newRow("descendant")
            << QtObjPalette::compStyleSheetBlock("btnMMHome", "QPushButton", "", ":hover", true, run)
            << "#btnMMHome QPushButton:hover {color:#ffffff;}";
        QTest::newRow("no name") << QtObjPalette::compStyleSheetBlock("", "QPushButton", "", ":hover", false, run)
                                 << "QPushButton:hover {color:#ffffff;}";
        QTest::newRow("no name, descendant")
            << QtObjPalette::compStyleSheetBlock("", "QPushButton", "", ":hover", true, run)
            << " QPushButton:hover {color:#ffffff;}";
        QTest::newRow("name only") << QtObjPalette::compStyleSheetBlock("btnMMHome", "", "", "", false, run)
                                   << "#btnMMHome {color:#ffffff;}";
        QTest::newRow("name only, descendant") << QtObjPalette::compStyleSheetBlock("btnMMHome", "", "", "", true, run)
                                               << "#btnMMHome  {color:#ffffff;}";
        QTest::newRow("null texts") << QtObjPalette::compStyleSheetBlock("obj", nullptr, nullptr, nullptr, false, run)
                                    << "#obj {color:#ffffff;}";
        QTest::newRow("null texts, descendant")
            << QtObjPalette::compStyleSheetBlock("obj", nullptr, nullptr, nullptr, true, "")
            << "#obj  {}";
        QTest::newRow("two classes")
            << QtObjPalette::compStyleSheetBlock("obj", "QComboBox QAbstractItemView", "::item", ":selected", false,
                                                 "")
            << "QComboBox QAbstractItemView#obj::item:selected {}";
    }

    void blocks()
    {
        QFETCH(QString, block);
        QFETCH(QString, expected);
        QCOMPARE(block, expected);
    }

    // A decimal comma would be taken by Qt without a word and drawn wrongly.
    void decimalCommaLocale()
    {
        SampleStyleRecords records{QString()};
        records.gradient = SWidgetGradientColor{0.5f, 0, 0.5f, 1, 2, {0.25f, 0.75f}, {0xffffff, 0}};
        WIDGET_PUSH_BTN button = records.pushButton();
        const QString gradient = QtObjPalette::getWgGradientStyleStr(&records.gradient);
        const QString sheet = QtObjPalette::compPushButtonStyleSheet("obj", button, true);
        QVERIFY(gradient.contains("x1:0.5, y1:0.0, x2:0.5, y2:1.0"));

        TestEnv::ScopedDecimalComma comma;
        if (!comma.isActive())
            QSKIP("no locale with a decimal comma could be built");
        char probe[8];
        std::snprintf(probe, sizeof probe, "%.1f", 0.5);
        QCOMPARE(QByteArray(probe), QByteArray("0,5"));  // the hazard is real in this locale
        const QLocale previous;
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

        const QString commaGradient = QtObjPalette::getWgGradientStyleStr(&records.gradient);
        const QString commaSheet = QtObjPalette::compPushButtonStyleSheet("obj", button, true);
        QLocale::setDefault(previous);
        QCOMPARE(commaGradient, gradient);
        QCOMPARE(commaSheet, sheet);
    }
};

QTEST_MAIN(TstStyleBuilders)
#include "tst_stylebuilders.moc"
