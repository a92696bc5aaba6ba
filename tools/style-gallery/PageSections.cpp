#include "GallerySection.h"
#include "GallerySections.h"

#include "resources/LibraryImage.h"
#include "style/ObjPalette.h"
#include "style/QtObjPalette.h"
#include "style/CStyledItemDelegate.h"
#include "support/Singleton.h"

#include <QFrame>
#include <QGraphicsView>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const LibraryImage& images()
{
    return *Pattern::Singleton<LibraryImage>::Instance();
}

QString imagePath(const std::string& path)
{
    return QString::fromStdString(path);
}

// A container named for the blocks that select it, holding the given widgets in a row or column.
QWidget* panel(const QString& name, const QList<QWidget*>& children, bool vertical = true)
{
    auto* box = new QWidget;
    box->setObjectName(name);
    QBoxLayout* layout = vertical ? static_cast<QBoxLayout*>(new QVBoxLayout(box)) : new QHBoxLayout(box);
    for (QWidget* child : children)
        layout->addWidget(child);
    return box;
}

template <class Widget>
Widget* sized(Widget* widget, int width, int height)
{
    widget->setFixedSize(width, height);
    return widget;
}

QLabel* whiteLabel(const QString& text)
{
    auto* label = new QLabel(text);
    ObjPalette::setLabelColor(label, 0xffffff);
    return label;
}

QWidget* darkBackdrop(QWidget* widget)
{
    auto* backdrop = panel(QString(), {widget});
    QtObjPalette::setWidgetBackground(backdrop, QColor(0x40, 0x40, 0x40), false);
    return backdrop;
}

// The switch as the widget lays it out: a frame holding the knob at the side of its state and
// the caption; the highlighted look is the on look.
QWidget* selectorSwitch(bool on, WG_COLOR_TONE_S tone, bool enabled)
{
    auto* knob = new QPushButton;
    knob->setFixedWidth(18);
    knob->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    auto* caption = new QLabel(on ? QStringLiteral("ON") : QStringLiteral("OFF"));
    caption->setAlignment(Qt::AlignCenter);
    caption->setContentsMargins(6, 0, 6, 0);
    auto* frame = sized(new QFrame, 135, 30);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(on ? static_cast<QWidget*>(caption) : knob);
    layout->addWidget(on ? static_cast<QWidget*>(knob) : caption);
    frame->setEnabled(enabled);
    ObjPalette::setSelectorSwitchColorToneStyle(frame, QString(), tone, on);
    return frame;
}

} // namespace

GallerySection* makeTitleBarSection()
{
    auto* section = new GallerySection(QStringLiteral("title-bar"), QStringLiteral("Title bar and main menu"));

    auto* logo = new QToolButton;
    QtObjPalette::setWidgetBtnIcon(logo, imagePath(images().getLogoIconPath(0)));
    auto* title = new QLabel(QStringLiteral("AIS Configuration"));
    ObjPalette::setBorderTitleStyle(logo, title);
    auto* help = sized(new QToolButton, 32, 32);
    ObjPalette::setHelpIconStyle(help);
    auto* about = sized(new QToolButton, 32, 32);
    ObjPalette::setAboutIconStyle(about);
    auto* minimise = sized(new QToolButton, 32, 32);
    ObjPalette::setWinCtrlIconStyle(minimise, WG_COLOR_NOT_SET, ResourceImage::WG_WINCTRL_MINI);
    auto* close = sized(new QToolButton, 32, 32);
    ObjPalette::setWinCtrlIconStyle(close, WG_COLOR_NOT_SET, ResourceImage::WG_WINCTRL_CLOSE);
    auto* bar = panel(QStringLiteral("wgFormBorder"), {logo, title, help, about, minimise, close}, false);
    section->addRowCaption(0, QStringLiteral("Title bar"));
    section->grid()->addWidget(bar, 0, 1);

    const QStringList pages{"Home",          "Configuration", "GPS Status", "Diagnostics",
                            "Other Vessels", "Serial Data",   "Wi-Fi"};
    QList<QWidget*> buttons;
    for (const QString& page : pages) {
        auto* button = sized(new QToolButton, 132, 64);
        // The Home button shows its picture instead of a text.
        if (page != QLatin1String("Home"))
            button->setText(page);
        button->setCheckable(true);
        button->setChecked(page == QLatin1String("Configuration"));
        ObjPalette::setMainMenuStyle(button, page == QLatin1String("Home") ? imagePath(images().getMainMenuIconPath(0))
                                                                           : QString());
        buttons << button;
    }
    section->addRowCaption(1, QStringLiteral("Main menu"));
    section->grid()->addWidget(panel(QStringLiteral("wgMainMenu"), buttons, false), 1, 1);

    auto* mmsiHelp = sized(new QToolButton, 32, 32);
    ObjPalette::setWidgetIconStyle(mmsiHelp, imagePath(images().getThemeFunIconPath(0)));
    auto* dimension = sized(new QLabel, 200, 300);
    ObjPalette::setConfigVslDimStyle(dimension);
    section->addRowCaption(2, QStringLiteral("MMSI help, vessel dimensions"));
    section->grid()->addWidget(panel(QString(), {mmsiHelp, dimension}, false), 2, 1, Qt::AlignLeft);
    return section;
}

GallerySection* makeHomeSection()
{
    auto* section = new GallerySection(QStringLiteral("home"), QStringLiteral("Home page"));
    QList<QWidget*> titles;
    for (const char* text : {"Own Vessel", "Static Data", "Voyage Data", "GPS Status", "Wi-Fi"}) {
        auto* title = sized(new QPushButton(QString::fromLatin1(text)), 180, 36);
        title->setCheckable(true);
        title->setChecked(titles.isEmpty());
        ObjPalette::setHomeTitleStyle(title);
        titles << title;
    }
    section->addRowCaption(0, QStringLiteral("Panel titles"));
    section->grid()->addWidget(panel(QString(), titles, false), 0, 1);

    auto* more = new QLabel(QStringLiteral("More"));
    ObjPalette::setHomeMoreLabelStyle(more);
    auto* advancedMore = new QLabel(QStringLiteral("More (advanced)"));
    ObjPalette::setAdvencedCfgMoreLabelStyle(advancedMore);
    auto* advancedMoreOnDark = new QLabel(QStringLiteral("More (advanced), on dark"));
    ObjPalette::setAdvencedCfgMoreLabelStyle(advancedMoreOnDark);
    section->addRowCaption(1, QStringLiteral("More labels"));
    section->grid()->addWidget(panel(QString(), {more, advancedMore, darkBackdrop(advancedMoreOnDark)}, false), 1, 1,
                               Qt::AlignLeft);

    auto* gpsGroup = sized(panel(QStringLiteral("wgHomeGps"), {whiteLabel(QStringLiteral("Fix: 3D")),
                                                               whiteLabel(QStringLiteral("Satellites in use: 8"))}),
                           260, 100);
    ObjPalette::setHomeSatelliteGroupStyle(gpsGroup);
    auto* gpsStatus = sized(panel(QStringLiteral("wgGpsStatus"), {new QLabel(QStringLiteral("UTC 12:34:56")),
                                                                  new QLabel(QStringLiteral("Lat 59°26.123' N")),
                                                                  new QLabel(QStringLiteral("HDOP 0.9"))}),
                            260, 130);
    ObjPalette::setSatelliteStatusStyle(gpsStatus);
    auto* skyView = sized(new QGraphicsView, 130, 130);
    ObjPalette::setSatelliteMapStyle(skyView);
    section->addRowCaption(2, QStringLiteral("GPS group, GPS status, sky view"));
    section->grid()->addWidget(panel(QString(), {gpsGroup, gpsStatus, skyView}, false), 2, 1, Qt::AlignLeft);
    return section;
}

GallerySection* makePanelSection()
{
    auto* section = new GallerySection(QStringLiteral("panels"), QStringLiteral("Panels, titles and buttons"));
    QGridLayout* grid = section->grid();

    auto* group = sized(panel(QStringLiteral("wgGroup"), {new QLabel(QStringLiteral("Group panel"))}), 200, 80);
    ObjPalette::setGroupStyle(group, false);
    auto* hoverGroup =
        sized(panel(QStringLiteral("wgHoverGroup"), {new QLabel(QStringLiteral("Group panel, hover"))}), 200, 80);
    ObjPalette::setGroupStyle(hoverGroup, true);
    auto* info = sized(panel(QStringLiteral("wgInfo"), {new QLabel(QStringLiteral("Information panel")),
                                                        new QLabel(QStringLiteral("Second line"))}),
                       200, 80);
    ObjPalette::setInfoGroupStyle(info);
    section->addRowCaption(0, QStringLiteral("Group and information panels"));
    grid->addWidget(panel(QString(), {group, hoverGroup, info}, false), 0, 1, Qt::AlignLeft);

    auto* normalTitle = new QLabel(QStringLiteral("Normal title"));
    ObjPalette::setNormalTitleStyle(normalTitle);
    auto* bold = new QLabel(QStringLiteral("Bold text"));
    ObjPalette::setBoldTextStyle(bold, true);
    auto* boldLight = new QLabel(QStringLiteral("Bold text, light"));
    ObjPalette::setBoldTextStyle(boldLight, false);
    auto* corner = sized(panel(QString(), {new QLabel(QStringLiteral("Corner title"))}), 200, 36);
    ObjPalette::setCornerTitleColorToneStyle(corner, "", WG_COLOR_TONE_3);
    section->addRowCaption(1, QStringLiteral("Titles"));
    grid->addWidget(panel(QString(), {normalTitle, bold, darkBackdrop(boldLight), corner}, false), 1, 1, Qt::AlignLeft);

    auto* connected = new QLabel(QStringLiteral("Connected"));
    ObjPalette::setConntStatusLabelStyle(connected, false);
    auto* disconnected = new QLabel(QStringLiteral("Not connected"));
    ObjPalette::setConntStatusLabelStyle(disconnected, true);
    auto* name = new QLabel(QStringLiteral("AIS Configuration"));
    ObjPalette::setAboutSoftwareNameLabelStyle(name);
    auto* version = new QLabel(QStringLiteral("Version 1.0.0"));
    ObjPalette::setAboutSoftwareVersionLabelStyle(version);
    section->addRowCaption(2, QStringLiteral("Status and About labels"));
    grid->addWidget(panel(QString(), {connected, disconnected, name, version}, false), 2, 1, Qt::AlignLeft);

    for (const auto& [row, tone] : {std::pair{3, WG_COLOR_TONE_5}, std::pair{4, WG_COLOR_TONE_6}}) {
        // Sized as the forms size their buttons.
        auto* checked = sized(new QPushButton(QStringLiteral("Checked")), 110, 32);
        checked->setCheckable(true);
        checked->setChecked(true);
        auto* buttons = panel(QString(), {sized(new QPushButton(QStringLiteral("Connect")), 110, 32), checked}, false);
        ObjPalette::setPushBtnColorToneStyle(buttons, "", tone);
        section->addRowCaption(row, QStringLiteral("Push buttons, tone %1").arg(tone));
        grid->addWidget(buttons, row, 1, Qt::AlignLeft);
    }

    auto* tabs = new QTabWidget;
    for (const char* page : {"Home", "Configuration", "GPS Status"}) {
        auto* content = new QWidget;
        auto* layout = new QHBoxLayout(content);
        layout->addWidget(sized(new QPushButton(QStringLiteral("Program Device")), 150, 32));
        layout->addStretch();
        tabs->addTab(content, QString::fromLatin1(page));
    }
    auto* main = sized(panel(QStringLiteral("wgMain"), {tabs}), 560, 130);
    ObjPalette::setMainWidgetWhiteStyle(main);
    auto* serial = sized(new QTextEdit(QStringLiteral("!AIVDM,1,1,,A,13u?etPv2;0n:dDPwUM1U1Cb069D,0*24")), 300, 80);
    ObjPalette::setTextEditWhiteStyle(serial);
    section->addRowCaption(5, QStringLiteral("Page area, serial data"));
    grid->addWidget(panel(QString(), {main, serial}, false), 5, 1, Qt::AlignLeft);

    section->addRowCaption(6, QStringLiteral("On/off switch: off, on, on in tone 2, off disabled"));
    grid->addWidget(panel(QString(),
                          {selectorSwitch(false, WG_COLOR_TONE_0, true), selectorSwitch(true, WG_COLOR_TONE_0, true),
                           selectorSwitch(true, WG_COLOR_TONE_2, true), selectorSwitch(false, WG_COLOR_TONE_0, false)},
                          false),
                    6, 1, Qt::AlignLeft);
    return section;
}

GallerySection* makeWiFiSection()
{
    auto* section = new GallerySection(QStringLiteral("wifi"), QStringLiteral("Wi-Fi mode tiles"));
    QGridLayout* grid = section->grid();
    int column = 1;
    for (bool enabled : {true, false}) {
        for (const auto mode : {LibraryImage::WIFI_MODE_AP, LibraryImage::WIFI_MODE_CLIENT}) {
            grid->addWidget(new QLabel(QStringLiteral("%1, %2")
                                           .arg(mode == LibraryImage::WIFI_MODE_AP ? "Access point" : "Client")
                                           .arg(enabled ? "enabled" : "disabled")),
                            0, column);
            for (bool selected : {true, false}) {
                auto* tile = sized(new QWidget, 120, 100);
                tile->setObjectName(QStringLiteral("wgWiFiMode%1%2%3").arg(mode).arg(enabled).arg(selected));
                ObjPalette::setWiFiModeWgsStyle(tile, mode, selected, enabled);
                grid->addWidget(tile, selected ? 1 : 2, column);
            }
            ++column;
        }
    }
    section->addRowCaption(1, QStringLiteral("Selected"));
    section->addRowCaption(2, QStringLiteral("Not selected"));
    return section;
}

GallerySection* makeOtherVesselsSection()
{
    auto* section = new GallerySection(QStringLiteral("other-vessels"), QStringLiteral("Other vessels table"));
    static CStyledItemDelegate delegate;
    for (const auto& [row, tone] : {std::pair{0, WG_COLOR_TONE_0}, std::pair{1, WG_COLOR_TONE_1}}) {
        auto* model = new QStandardItemModel(5, 5, section);
        model->setHorizontalHeaderLabels({"MMSI", "Name", "Range (NM)", "Bearing", "SOG (kn)"});
        const struct
        {
            const char* mmsi;
            const char* name;
            double range, bearing, speed;
        } vessels[] = {{"244660000", "NORDIC STAR", 1.25, 45.0, 12.3},
                       {"211331640", "ELBE PILOT", 3.80, 112.5, 8.1},
                       {"265547250", "SEA BREEZE", 0.42, 301.0, 0.0},
                       {"257811000", "TROMSO", 7.91, 188.2, 15.6},
                       {"230987000", "AALTO", 12.04, 10.7, 21.0}};
        int r = 0;
        for (const auto& vessel : vessels) {
            model->setItem(r, 0, new QStandardItem(QString::fromLatin1(vessel.mmsi)));
            model->setItem(r, 1, new QStandardItem(QString::fromLatin1(vessel.name)));
            int c = 2;
            for (double value : {vessel.range, vessel.bearing, vessel.speed}) {
                auto* item = new QStandardItem;
                item->setData(value, Qt::DisplayRole);  // sorts as a number
                model->setItem(r, c++, item);
            }
            ++r;
        }
        auto* table = sized(new QTableView, 560, 180);
        table->setModel(model);
        table->setItemDelegate(&delegate);
        table->setAlternatingRowColors(true);
        table->setSortingEnabled(true);
        table->sortByColumn(2, Qt::AscendingOrder);
        table->verticalHeader()->hide();
        ObjPalette::setOtherVesselStyle(table, "", tone);
        section->addRowCaption(row, QStringLiteral("Tone %1").arg(tone));
        section->grid()->addWidget(table, row, 1, Qt::AlignLeft);
    }
    return section;
}
