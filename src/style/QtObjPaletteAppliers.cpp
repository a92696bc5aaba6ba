#include "style/QtObjPalette.h"

#include "style/StyleTarget.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPixmap>
#include <QTabWidget>
#include <QWidget>

namespace {

void installCovered(const char* operation, QWidget* widget, const QString& declarations, STYLE_SHEET_COVER cover)
{
    if (cover == STYLE_SHEET_COVER_BARE)
        StyleTarget::install(widget, declarations, operation);
    else if (StyleTarget::named(widget, operation))
        widget->setStyleSheet(QtObjPalette::compStyleSheetBlock(widget->objectName(), nullptr, nullptr, nullptr,
                                                                cover != STYLE_SHEET_COVER_OBJECT, declarations));
}

} // namespace

void QtObjPalette::setWidgetBaseStyle(QWidget* widget, WIDGET_STYLE& style, STYLE_SHEET_COVER cover)
{
    installCovered("setWidgetBaseStyle", widget,
                   getWgColorStyleStr(style.color, false) + getWgFontStyleStr(style.font)
                       + getWgBorderBoxStyleStr(style.border),
                   cover);
}

void QtObjPalette::setWidgetColorStyle(QWidget* widget, SWidgetColor& color, STYLE_SHEET_COVER cover)
{
    installCovered("setWidgetColorStyle", widget, getWgColorStyleStr(&color, false), cover);
}

void QtObjPalette::setWidgetFontStyle(QWidget* widget, WIDGET_FONT& font, STYLE_SHEET_COVER cover)
{
    installCovered("setWidgetFontStyle", widget, getWgFontStyleStr(&font), cover);
}

void QtObjPalette::setWidgetBorderStyle(QWidget* widget, WIDGET_BORDER& border, STYLE_SHEET_COVER cover)
{
    installCovered("setWidgetBorderStyle", widget, getWgBorderBoxStyleStr(&border), cover);
}

void QtObjPalette::setWidgetGradientColorStyle(QWidget* widget, SWidgetGradientColor& gradient,
                                               STYLE_SHEET_COVER cover)
{
    installCovered("setWidgetGradientColorStyle", widget, getWgGradientStyleStr(&gradient), cover);
}

void QtObjPalette::setWidgetTransparentStyle(QWidget* widget, STYLE_SHEET_COVER cover)
{
    installCovered("setWidgetTransparentStyle", widget,
                   QStringLiteral("border: none;background-color: transparent;"), cover);
}

void QtObjPalette::setLabelStyle(QWidget* widget, WIDGET_LABEL& label)
{
    installCovered("setLabelStyle", widget, getWgColorStyleStr(label.color, false) + getWgFontStyleStr(label.font),
                   STYLE_SHEET_COVER_BARE);
}

void QtObjPalette::setCheckBoxStyle(QWidget* widget, WIDGET_CHECK_BOX& checkBox)
{
    if (!StyleTarget::present(widget, "setCheckBoxStyle"))
        return;
    // No font here; the indicator images are written even for an empty path.
    widget->setStyleSheet(
        compStyleSheetBlock(QString(), "QCheckBox", nullptr, nullptr, false, getWgColorStyleStr(checkBox.color, false))
        + compStyleSheetBlock(QString(), "QCheckBox", "::indicator", ":checked", false,
                              getWgColorStyleStr(checkBox.checked, false) + getWgImageStyleStr(checkBox.checkedImage))
        + compStyleSheetBlock(QString(), "QCheckBox", "::indicator", ":unchecked", false,
                              getWgColorStyleStr(checkBox.unchecked, false)
                                  + getWgImageStyleStr(checkBox.uncheckedImage)));
}

QString QtObjPalette::compTabWidgetNoFrameStyleSheet()
{
    return QStringLiteral("QTabWidget::pane {border: none;}QTabBar::tab {height: 0px; top: 0px; border: 0px}");
}

void QtObjPalette::setTabWidgetNoFrameStyle(QTabWidget* tabWidget)
{
    if (StyleTarget::present(tabWidget, "setTabWidgetNoFrameStyle"))
        tabWidget->setStyleSheet(compTabWidgetNoFrameStyleSheet());
}

void QtObjPalette::setWidgetBackground(QWidget* widget, QColor color, bool keepAutoFill)
{
    if (!StyleTarget::present(widget, "setWidgetBackground"))
        return;
    QPalette palette = widget->palette();
    palette.setBrush(QPalette::Window, QBrush(color));
    widget->setPalette(palette);
    if (!keepAutoFill)
        widget->setAutoFillBackground(true);
}

void QtObjPalette::setWidgetTransparent(QWidget* widget)
{
    if (!StyleTarget::present(widget, "setWidgetTransparent"))
        return;
    widget->setAttribute(Qt::WA_TranslucentBackground);
    widget->setAutoFillBackground(true);
    widget->setAttribute(Qt::WA_NoSystemBackground);
}

void QtObjPalette::setWidgetBtnIcon(QAbstractButton* button, QString path)
{
    if (!StyleTarget::present(button, "setWidgetBtnIcon"))
        return;
    // A path that does not load gives an empty icon of 0 by 0.
    const QPixmap pixmap(path);
    button->setIcon(QIcon(pixmap));
    button->setIconSize(pixmap.size());
}

void QtObjPalette::setWidgetLblIcon(QLabel* label, QString path)
{
    if (!StyleTarget::present(label, "setWidgetLblIcon"))
        return;
    label->setPixmap(QPixmap(path));
    label->adjustSize();
}
