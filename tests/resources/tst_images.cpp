#include "LogCapture.h"

#include "resources/LibraryImage.h"
#include "resources/ResourceCollections.h"
#include "support/Singleton.h"

#include <QDirIterator>
#include <QPixmap>
#include <QRegularExpression>
#include <QtTest>
#include <functional>

namespace {

const LibraryImage& library()
{
    return *Pattern::Singleton<LibraryImage>::Instance();
}

QString pathOf(const std::string& path)
{
    return QString::fromStdString(path);
}

// One group of the embedded files: its root, folders, names and whether theme folders exist.
struct SEmbeddedGroup
{
    const char* root;
    const char* group;
    QStringList folders;
    QStringList names;
    bool themed;
};

// The compiled-in images, as the resource tree must hold them (the translations come separately).
const SEmbeddedGroup EmbeddedImages[] = {
    {"Widget", "WinCtrl", {"A20"}, {"0.Close", "0.Close_Hover", "1.Mini", "1.Mini_Hover"}, true},
    {"Widget", "ComboBox", {"A16Gray"}, {"DownArrow"}, true},
    {"Widget", "Edit", {"A16Gray"}, {"DownArrow"}, true},
    {"Widget", "SpinBox", {"A12Gray"}, {"Add", "Sub"}, true},
    {"Widget", "HeaderView", {"A16Gray"}, {"Up", "Down"}, false},
    {"Widget", "CheckBox", {"A20Gray", "B32Blue"}, {"Checked", "Unchecked"}, false},
    {"Widget", "ComboSuit", {"A30"}, {"Back", "Checked", "Unchecked", "DropBox", "Switch", "Title"}, false},
    {"Symbol", "Led", {"A30"}, {"Red", "Green", "Blue", "Orange", "Gray"}, false},
    {"Symbol", "Arrow", {"A30Gray", "B16White"}, {"Up", "Down", "Left", "Right"}, false},
    {"Symbol", "Modify", {"A25Gray"}, {"Edit"}, false},
    {"Symbol", "Extension", {"A36Orange"}, {"Full", "ExitFull"}, false},
    {"Symbol", "Visible", {"A25Blue"}, {"Visible", "Invisible"}, false},
    {"Symbol", "Handled", {"A20Gray"}, {"Handled", "Unhandled"}, false},
    {"Graphic", "Satellite", {""}, {"Map", "InView", "InUse"}, false},
    {"Images", "Logo", {""}, {"VELK", "Bramid"}, false},
    {"Images", "MainMenu", {""}, {"0.Home", "1.Setting"}, false},
    {"Images", "ReportStatus", {""}, {"0.Good", "1.Failed"}, false},
    {"Images", "ThemeFun", {""}, {"0.Help", "1.About", "2.Book"}, false},
    {"Images", "Vessel", {""}, {"Dimension"}, false},
    {"Images", "WiFiMode", {""}, {"0.AP Mode", "1.Client Mode"}, false},
    {"Images", "WiFiStatus", {""},
     {"0.RSSI1", "1.RSSI2", "2.RSSI3", "3.RSSI4", "4.RSSI5", "5.Security", "6.Connected", "7.Connect",
      "8.Disconnect", "9.Empty"},
     false},
};

QSet<QString> embeddedImagePaths()
{
    QSet<QString> paths;
    for (const SEmbeddedGroup& group : EmbeddedImages) {
        const QStringList themes = group.themed ? QStringList{"", "DayBlack/", "Dusk/", "Night/"} : QStringList{""};
        for (const QString& folder : group.folders) {
            for (const QString& theme : themes) {
                for (const QString& name : group.names) {
                    const QString sizeFolder = folder.isEmpty() ? QStringLiteral("/") : '/' + folder + '/';
                    paths << QStringLiteral(":/%1/%2/%1%3%4%5.png")
                                 .arg(QLatin1String(group.group), QLatin1String(group.root), sizeFolder, theme, name);
                }
            }
        }
    }
    return paths;
}

// The side a size folder such as "A30Gray" or "B16White" names; 0 for none.
int folderSide(const QString& path)
{
    const QRegularExpressionMatch match = QRegularExpression(QStringLiteral("/[AB](\\d+)[A-Za-z]*/")).match(path);
    return match.hasMatch() ? match.captured(1).toInt() : 0;
}

void verifyImage(const QString& path)
{
    QVERIFY2(QFile::exists(path), qPrintable(path));
    // As read: converting a large image hands it to Qt's thread pool, whose locks the race
    // checker cannot see.
    const QPixmap pixmap(path, nullptr, Qt::NoFormatConversion);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    if (const int side = folderSide(path))
        QCOMPARE(pixmap.size(), QSize(side, side));
}

} // namespace

class TestImages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        LogCapture::start();
        Resources::registerCollections();
    }

    void pathExamples()
    {
        QCOMPARE(pathOf(library().getWiFiStatusIconPath(0)), QStringLiteral(":/WiFiStatus/Images/WiFiStatus/0.RSSI1.png"));
        QCOMPARE(pathOf(library().getLedIconPath(0, 4)), QStringLiteral(":/Led/Symbol/Led/A30/Gray.png"));
        QCOMPARE(pathOf(library().getWinCtrlIconPath(0, ResourceImage::WG_WINCTRL_MINI, ResourceImage::StateHover)),
                 QStringLiteral(":/WinCtrl/Widget/WinCtrl/A20/1.Mini_Hover.png"));
        QCOMPARE(pathOf(library().getSpinBoxIconPath(0, 0)), QStringLiteral(":/SpinBox/Widget/SpinBox/A12Gray/Add.png"));
        QCOMPARE(pathOf(library().getCheckBoxIconPath(0, 0)),
                 QStringLiteral(":/CheckBox/Widget/CheckBox/A20Gray/Checked.png"));
        QCOMPARE(pathOf(library().getCheckBoxIconPath(1, 1)),
                 QStringLiteral(":/CheckBox/Widget/CheckBox/B32Blue/Unchecked.png"));
        QCOMPARE(pathOf(library().getHeaderViewIconPath(0, 1)),
                 QStringLiteral(":/HeaderView/Widget/HeaderView/A16Gray/Down.png"));
        QCOMPARE(pathOf(library().getWiFiModeIconPath(LibraryImage::WIFI_MODE_AP)),
                 QStringLiteral(":/WiFiMode/Images/WiFiMode/0.AP Mode.png"));
        QCOMPARE(pathOf(library().getVesselDimensionIconPath()), QStringLiteral(":/Vessel/Images/Vessel/Dimension.png"));

        const std::string closeName = ResourceImage::getThemeFolder(library().entry(0));
        QCOMPARE(pathOf(ResourceImage::buildImagePath(RES_WIDGET, "WinCtrl", "/A20/", closeName, ResourceImage::StateHover)),
                 QStringLiteral(":/WinCtrl/Widget/WinCtrl/A20/0.Close_Hover.png"));

        ResourceImage dusk;
        dusk.setTheme(THEME_DUSK);
        const QString comboArrow = pathOf(ResourceImage::buildImagePath(
            RES_WIDGET, "ComboBox", "/A16Gray/", ResourceImage::getThemeFolder(dusk.entry(6)), 0));
        QCOMPARE(comboArrow, QStringLiteral(":/ComboBox/Widget/ComboBox/A16Gray/Dusk/DownArrow.png"));
        verifyImage(comboArrow);
    }

    void pathOperations_data()
    {
        QTest::addColumn<QString>("path");
        const struct
        {
            const char* operation;
            int count;
            std::function<std::string(int)> path;
        } operations[] = {
            {"getWiFiStatusIconPath", 10, [](int i) { return library().getWiFiStatusIconPath(i); }},
            {"getLogoIconPath", 2, [](int i) { return library().getLogoIconPath(i); }},
            {"getSatelliteIconPath", 3, [](int i) { return library().getSatelliteIconPath(i); }},
            {"getMainMenuIconPath", 1, [](int i) { return library().getMainMenuIconPath(i); }},
            {"getThemeFunIconPath", 3, [](int i) { return library().getThemeFunIconPath(i); }},
            {"getLedIconPath", 5, [](int i) { return library().getLedIconPath(0, i); }},
            {"getReportStatusIconPath", 2, [](int i) { return library().getReportStatusIconPath(i); }},
            {"getWinCtrlIconPath normal", 2,
             [](int i) { return library().getWinCtrlIconPath(0, ResourceImage::WG_WINCTRL_S(i), 0); }},
            {"getWinCtrlIconPath hover", 2,
             [](int i) {
                 return library().getWinCtrlIconPath(0, ResourceImage::WG_WINCTRL_S(i), ResourceImage::StateHover);
             }},
            {"getSpinBoxIconPath", 2, [](int i) { return library().getSpinBoxIconPath(0, i); }},
            {"getComboBoxIconPath", 1, [](int i) { return library().getComboBoxIconPath(0, i); }},
            {"getCheckBoxIconPath row 0", 2, [](int i) { return library().getCheckBoxIconPath(0, i); }},
            {"getCheckBoxIconPath row 1", 2, [](int i) { return library().getCheckBoxIconPath(1, i); }},
            {"getEditIconPath", 1, [](int i) { return library().getEditIconPath(0, i); }},
            {"getHeaderViewIconPath", 2, [](int i) { return library().getHeaderViewIconPath(0, i); }},
            {"getWiFiModeIconPath", 2,
             [](int i) { return library().getWiFiModeIconPath(LibraryImage::WIFI_MODE(i)); }},
            {"getVesselDimensionIconPath", 1, [](int) { return library().getVesselDimensionIconPath(); }},
        };
        for (const auto& operation : operations) {
            for (int index = 0; index < operation.count; ++index)
                QTest::addRow("%s(%d)", operation.operation, index) << pathOf(operation.path(index));
        }
    }
    void pathOperations()
    {
        QFETCH(QString, path);
        verifyImage(path);
    }

    void indexOutsideGroupGivesEmptyPath()
    {
        LogCapture::take();
        QVERIFY(library().getWiFiStatusIconPath(10).empty());
        QVERIFY(library().getWiFiStatusIconPath(-1).empty());
        QVERIFY(library().getLogoIconPath(2).empty());
        QVERIFY(library().getSatelliteIconPath(3).empty());
        QVERIFY(library().getMainMenuIconPath(1).empty());
        QVERIFY(library().getThemeFunIconPath(3).empty());
        QVERIFY(library().getLedIconPath(0, 5).empty());
        QVERIFY(library().getLedIconPath(1, 0).empty());
        QVERIFY(library().getReportStatusIconPath(2).empty());
        QVERIFY(library().getWiFiModeIconPath(LibraryImage::WIFI_MODE(2)).empty());
        // Rows past the ones that have a size folder would read the next group's entries.
        QVERIFY(library().getWinCtrlIconPath(1, ResourceImage::WG_WINCTRL_CLOSE, 0).empty());
        QVERIFY(library().getWinCtrlIconPath(0, ResourceImage::WG_WINCTRL_S(2), 0).empty());
        QVERIFY(library().getSpinBoxIconPath(1, 0).empty());
        QVERIFY(library().getComboBoxIconPath(0, 1).empty());
        QVERIFY(library().getCheckBoxIconPath(2, 0).empty());
        QVERIFY(library().getCheckBoxIconPath(-1, 0).empty());
        QVERIFY(library().getEditIconPath(1, 0).empty());
        QVERIFY(library().getHeaderViewIconPath(0, 2).empty());
        QVERIFY(ResourceImage::buildImagePath(5, "Led", "/A30/", "Red", 0).empty());
        QVERIFY(library().entry(LibraryImage::IMG_ENTRY_COUNT).name.empty());
        const QStringList lines = LogCapture::take();
        QCOMPARE(lines.filter("is outside the table").size(), 19);
        QCOMPARE(lines.filter("getCheckBoxIconPath [E]Image row -1 is outside the table").size(), 1);
        QCOMPARE(lines.filter("LED size 1 does not exist").size(), 1);
    }

    // Each entry with the group and folder its file lies under.
    void entries_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("root");
        QTest::addColumn<QString>("group");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        int index = 0;
        const auto add = [&index](int kind, int root, const char* group, const char* folder, QStringList names) {
            for (const QString& name : names) {
                QTest::addRow("%d %s", index, qPrintable(name)) << index << kind << root << group << folder << name;
                ++index;
            }
        };
        add(RES_SYMBOL, RES_WIDGET, "WinCtrl", "/A20/", {"0.Close", "1.Mini"});
        add(RES_WIDGET, RES_WIDGET, "CheckBox", "/A20Gray/", {"Checked", "Unchecked"});
        add(RES_WIDGET, RES_WIDGET, "CheckBox", "/B32Blue/", {"Checked", "Unchecked"});
        add(RES_WIDGET, RES_WIDGET, "ComboBox", "/A16Gray/", {"DownArrow"});
        add(RES_WIDGET, RES_WIDGET, "Edit", "/A16Gray/", {"DownArrow"});
        add(RES_WIDGET, RES_WIDGET, "SpinBox", "/A12Gray/", {"Add", "Sub"});
        add(RES_WIDGET, RES_WIDGET, "HeaderView", "/A16Gray/", {"Up", "Down"});
        add(RES_SYMBOL, RES_SYMBOL, "Visible", "/A25Blue/", {"Visible", "Invisible"});
        add(RES_SYMBOL, RES_SYMBOL, "Arrow", "/A30Gray/", {"Left", "Up", "Right", "Down"});
        add(RES_SYMBOL, RES_SYMBOL, "Arrow", "/B16White/", {"Left", "Up", "Right", "Down"});
        add(RES_SYMBOL, RES_SYMBOL, "Handled", "/A20Gray/", {"Handled", "Unhandled"});
        add(RES_SYMBOL, RES_SYMBOL, "Modify", "/A25Gray/", {"Edit"});
        add(RES_SYMBOL, RES_SYMBOL, "Led", "/A30/", {"Red", "Green", "Blue", "Orange", "Gray"});
        add(RES_SYMBOL, RES_SYMBOL, "Extension", "/A36Orange/", {"Full", "ExitFull"});
        add(RES_GRAPHIC, RES_GRAPHIC, "Satellite", "/", {"Map", "InView", "InUse"});
        add(RES_IMAGES, RES_IMAGES, "Logo", "/", {"VELK", "Bramid"});
        add(RES_IMAGES, RES_IMAGES, "MainMenu", "/", {"0.Home"});
        add(RES_IMAGES, RES_IMAGES, "ReportStatus", "/", {"0.Good", "1.Failed"});
        add(RES_IMAGES, RES_IMAGES, "ThemeFun", "/", {"0.Help", "1.About", "2.Book"});
        add(RES_IMAGES, RES_IMAGES, "Vessel", "/", {"Dimension"});
        add(RES_IMAGES, RES_IMAGES, "WiFiStatus", "/",
            {"0.RSSI1", "1.RSSI2", "2.RSSI3", "3.RSSI4", "4.RSSI5", "5.Security", "6.Connected", "7.Connect",
             "8.Disconnect", "9.Empty"});
        add(RES_IMAGES, RES_IMAGES, "WiFiMode", "/", {"0.AP Mode", "1.Client Mode"});
        QCOMPARE(index, 56);
    }
    void entries()
    {
        QFETCH(int, index);
        QFETCH(int, kind);
        QFETCH(int, root);
        QFETCH(QString, group);
        QFETCH(QString, folder);
        QFETCH(QString, name);

        QCOMPARE(library().entryCount(), 56);
        const CResource& entry = library().entry(index);
        QCOMPARE(QString::fromStdString(entry.name), name);
        QCOMPARE(int(entry.kind), kind);
        QCOMPARE(entry.theme, uint32_t(THEME_DEFAULT));
        QCOMPARE(entry.plainDayWhite, uint8_t(1));
        verifyImage(pathOf(ResourceImage::buildImagePath(root, group.toStdString(), folder.toStdString(),
                                                         ResourceImage::getThemeFolder(entry), 0)));
    }

    void setThemeStampsThemedEntries()
    {
        LibraryImage table;
        table.setTheme(THEME_NIGHT);
        for (int index = 0; index < table.entryCount(); ++index) {
            const bool stamped = index <= 9 || (index >= 12 && index <= 29);
            QVERIFY2(table.entry(index).theme == (stamped ? THEME_NIGHT : THEME_DEFAULT), qPrintable(QString::number(index)));
        }

        // The entries with themed files: window controls, combo box, edit and spin box.
        const struct
        {
            int index;
            const char* group;
            const char* folder;
        } themed[] = {{0, "WinCtrl", "/A20/"},       {1, "WinCtrl", "/A20/"},    {6, "ComboBox", "/A16Gray/"},
                      {7, "Edit", "/A16Gray/"},      {8, "SpinBox", "/A12Gray/"}, {9, "SpinBox", "/A12Gray/"}};
        for (int theme : {THEME_DAY_BLACK, THEME_DUSK, THEME_NIGHT}) {
            table.setTheme(theme);
            for (const auto& image : themed) {
                const std::string name = ResourceImage::getThemeFolder(table.entry(image.index));
                verifyImage(pathOf(ResourceImage::buildImagePath(RES_WIDGET, image.group, image.folder, name, 0)));
                if (image.index <= 1)
                    verifyImage(pathOf(ResourceImage::buildImagePath(RES_WIDGET, image.group, image.folder, name,
                                                                     ResourceImage::StateHover)));
            }
        }
    }

    void themeFolder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("theme");
        QTest::addColumn<int>("plainDayWhite");
        QTest::addColumn<QString>("themedName");
        QTest::newRow("default") << int(RES_WIDGET) << int(THEME_DEFAULT) << 1 << "Add";
        QTest::newRow("day white, plain") << int(RES_WIDGET) << int(THEME_DAY_WHITE) << 1 << "Add";
        QTest::newRow("day white, own folder") << int(RES_IMAGES) << int(THEME_DAY_WHITE) << 0 << "DayWhite/Add";
        QTest::newRow("day black") << int(RES_SYMBOL) << int(THEME_DAY_BLACK) << 1 << "DayBlack/Add";
        QTest::newRow("dusk") << int(RES_GRAPHIC) << int(THEME_DUSK) << 1 << "Dusk/Add";
        QTest::newRow("night") << int(RES_WIDGET) << int(THEME_NIGHT) << 1 << "Night/Add";
        QTest::newRow("unknown theme") << int(RES_WIDGET) << 5 << 0 << "Add";
        QTest::newRow("sounds never themed") << int(RES_SOUNDS) << int(THEME_DUSK) << 1 << "Add";
    }
    void themeFolder()
    {
        QFETCH(int, kind);
        QFETCH(int, theme);
        QFETCH(int, plainDayWhite);
        QFETCH(QString, themedName);
        CResource entry(static_cast<RESOURCE_KIND>(kind), "Add");
        entry.theme = static_cast<uint32_t>(theme);
        entry.plainDayWhite = static_cast<uint8_t>(plainDayWhite);
        QCOMPARE(QString::fromStdString(ResourceImage::getThemeFolder(entry)), themedName);
    }

    void onlyHoverStateAddsSuffix()
    {
        for (int state : {0, 1, 2, 3, 5})
            QCOMPARE(pathOf(ResourceImage::buildImagePath(RES_SOUNDS, "G", "/", "N", state)), QStringLiteral(":/G/Sounds/G/N.png"));
        QCOMPARE(pathOf(ResourceImage::buildImagePath(RES_SOUNDS, "G", "/", "N", 4)), QStringLiteral(":/G/Sounds/G/N_Hover.png"));
    }

    // Exactly the listed images and the two translations are compiled in.
    void resourceTreeHoldsTheImages()
    {
        const QStringList qtOwn = {":/qt-project.org/", ":/qpdf/", ":/qgradient/"};
        QSet<QString> found;
        QDirIterator it(QStringLiteral(":/"), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (std::none_of(qtOwn.begin(), qtOwn.end(), [&path](const QString& own) { return path.startsWith(own); }))
                found << path;
        }
        QSet<QString> expected = embeddedImagePaths();
        QCOMPARE(expected.size(), 89);
        expected << QStringLiteral(":/Translations/Languages/AisConfiguration_en.qm")
                 << QStringLiteral(":/Translations/Languages/CopyRight_en.qm");
        const QStringList unexpected = (found - expected).values();
        const QStringList missing = (expected - found).values();
        QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected: " + unexpected.join(", ")));
        QVERIFY2(missing.isEmpty(), qPrintable("missing: " + missing.join(", ")));
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
