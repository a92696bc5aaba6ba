#pragma once

#include "resources/LibraryImage.h"
#include "style/StyleRecords.h"

#include <QString>

class CStyledItemDelegate;
class QWidget;

// The colour tones in which a widget kind's sheet can be composed. Every value a composer does
// not test, out-of-range values too, gives that composer's base look.
enum WG_COLOR_TONE_S : int32_t {
    WG_COLOR_TONE_0 = 0,  // base: black on white, grey gradients and borders
    WG_COLOR_TONE_1 = 1,  // inverted: white on black
    WG_COLOR_TONE_2 = 2,  // silver panels
    WG_COLOR_TONE_3 = 3,  // grey panels, inverted buttons
    WG_COLOR_TONE_4 = 4,  // flat off-white
    WG_COLOR_TONE_5 = 5,  // flat buttons, white on royal blue
    WG_COLOR_TONE_6 = 6,  // white on midnight blue
};

// The application's theme: page styles, colour tones, the white theme and widget styles, from
// the colour table, the image table and the font setting, read afresh at every call. Static
// operations only; GUI thread. The setters replace the widget's whole sheet; a setter given no
// widget, or a setter whose blocks name the widget given one without an object name, logs a
// warning and leaves the sheet as it was.
class ObjPalette
{
public:
    ObjPalette() = default;

    // Title bar, main menu, Home page and single widgets.
    static void setLabelColor(QWidget* widget, unsigned int color);
    // The logo may be null; the title label is required.
    static void setBorderTitleStyle(QWidget* logo, QWidget* title);
    // A background of WG_COLOR_NOT_SET writes no colour.
    static void setWinCtrlIconStyle(QWidget* widget, unsigned int background, ResourceImage::WG_WINCTRL_S control);
    static void setAboutIconStyle(QWidget* widget);
    static void setHelpIconStyle(QWidget* widget);
    static void setWidgetIconStyle(QWidget* widget, QString imagePath);
    // An empty path gives no image block.
    static void setMainMenuStyle(QWidget* widget, QString imagePath);
    static QString compMenuStyle(QString objName, QString imagePath);
    static void setHomeTitleStyle(QWidget* widget);
    static void setHomeMoreLabelStyle(QWidget* widget);
    static void setHomeSatelliteGroupStyle(QWidget* widget);
    static void setConfigVslDimStyle(QWidget* widget);
    static void setAdvencedCfgMoreLabelStyle(QWidget* widget);
    static void setSatelliteStatusStyle(QWidget* widget);

    // White theme. The combo boxes below the widget take the delegate, which the caller keeps
    // owning and which must outlive them. Qt 5 deletes the delegate a combo box replaces, so a
    // combo box that already has this one is left alone, and no other code may set a delegate
    // on these combo boxes.
    static void setWhiteThemeWgsStyle(QWidget* widget, CStyledItemDelegate& delegate);
    static void setComboBoxDelegate(QWidget* widget, CStyledItemDelegate* delegate);
    static QString compWhiteThemeWgsStyle();
    static void setMainWidgetWhiteStyle(QWidget* widget);
    static void setTextEditWhiteStyle(QWidget* widget);

    // A widget kind's sheet in a colour tone.
    static QString compLabelColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant);
    static QString compPushButtonColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                                int cornerRadius);
    static QString compSpinBoxColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                             bool hideButtons);
    static QString compComboBoxColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                              int borderWidth);
    static QString compCheckBoxColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant);
    static QString compLineColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                          WG_LINE_DIRECTION_S direction);
    static QString compEditColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                          const char* className);
    static QString compRadioBtnColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant);
    // The tone is not read.
    static QString compTabWidgetColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool descendant,
                                               WIDGET_SIZE tabSize);
    // The on/off switch's look; the object name is not used, and without the highlight neither is
    // the tone.
    static QString compSelectorSwitchColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool highlight);
    // A titled panel: the widget and everything in it, and its labels.
    static QString compCornerShapeColorToneStyle(QString objName, WG_COLOR_TONE_S tone, bool framed, bool bold);

    // Widget styles.
    static void setOtherVesselStyle(QWidget* tableView, QString objName, WG_COLOR_TONE_S tone);
    static void setSatelliteMapStyle(QWidget* widget);
    static void setWiFiModeWgsStyle(QWidget* tile, LibraryImage::WIFI_MODE mode, bool selected, bool enabled);
    static void setGroupStyle(QWidget* widget, bool hover);
    static void setInfoGroupStyle(QWidget* widget);
    static void setNormalTitleStyle(QWidget* widget);
    static void setBoldTextStyle(QWidget* widget, bool primary);
    static void setCornerTitleColorToneStyle(QWidget* widget, QString objName, WG_COLOR_TONE_S tone);
    static void setPushBtnColorToneStyle(QWidget* widget, QString objName, WG_COLOR_TONE_S tone);
    static void setSelectorSwitchColorToneStyle(QWidget* widget, QString objName, WG_COLOR_TONE_S tone,
                                                bool highlight);
    // Changes nothing.
    static void setReportStatusStyle(QWidget* widget);
    static void setAboutSoftwareNameLabelStyle(QWidget* widget);
    static void setAboutSoftwareVersionLabelStyle(QWidget* widget);
    static void setConntStatusLabelStyle(QWidget* widget, bool alert);
};
