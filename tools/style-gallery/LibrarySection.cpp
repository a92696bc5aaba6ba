#include "GallerySection.h"
#include "GallerySections.h"

#include "style/QtObjPalette.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

// Plain Qt widgets stand in for the library's compound widgets; the records hold sample values.
namespace {

struct SSampleRecords
{
    SWidgetColor text{0x000000, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    SWidgetColor light{0x000000, 0xececec, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    SWidgetColor hovered{0xffffff, 0x6495ed, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    SWidgetColor selected{0xffffff, 0x1e90ff, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    SWidgetColor glow{0xffff00, 0x282828, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    SWidgetColor page{WG_COLOR_NOT_SET, 0xc0c0c0, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET, WG_COLOR_NOT_SET};
    WIDGET_FONT font{14, 7, "Tahoma"};
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0x808080};
    WIDGET_BORDER_RADIUS radius{5, -1, -1, -1, -1};
    WIDGET_BORDER border{&line, &radius};
    WIDGET_BORDER_LINE noOutline{0, WG_BORDER_EDGE_NONE, WG_COLOR_NOT_SET};
    WIDGET_FOCUS focus{&noOutline};
    SWidgetGradientColor gradient{0, 0, 0, 1, 2, {0, 1}, {0xffffff, 0xa9a9a9}};
    SWidgetGradientColor blue{0, 0, 0, 1, 2, {0, 1}, {0x1e90ff, 0x191970}};
    WIDGET_PADDING padding{6, 2, 6, 2};
    WIDGET_SIZE sliderSize{-1, 24};
    WIDGET_SIZE grooveSize{-1, 6};
    WIDGET_SIZE handleSize{16, 16};
    WIDGET_MARGIN handleMargin{-1, -6, -1, -6};
    WIDGET_MARGIN boxMargin{-1, 8, -1, -1};
};

QWidget* row(const QList<QWidget*>& children)
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    for (QWidget* child : children)
        layout->addWidget(child);
    layout->addStretch();
    return box;
}

// Sized as the library's widgets size their buttons.
QPushButton* sizedButton(const QString& text)
{
    auto* button = new QPushButton(text);
    button->setFixedSize(110, 30);
    return button;
}

QPushButton* checkable(const QString& text, bool checked)
{
    QPushButton* button = sizedButton(text);
    button->setCheckable(true);
    button->setChecked(checked);
    return button;
}

} // namespace

GallerySection* makeLibrarySection()
{
    auto* section = new GallerySection(QStringLiteral("library"), QStringLiteral("Library widget sheets"));
    QGridLayout* grid = section->grid();
    SSampleRecords r;

    WIDGET_DROP_MENU_BTN menuButton{&r.text, &r.gradient, &r.border, &r.focus, QString()};
    QPushButton* dropButton = sizedButton(QStringLiteral("Menu"));
    dropButton->setStyleSheet(QtObjPalette::getDropMenuBtnStyleSheet(menuButton));
    WIDGET_DROP_MENU_ITEM menuItems{&r.light, &r.selected, &r.hovered, &r.hovered, &r.font, &r.line};
    auto* items = row({checkable(QStringLiteral("Item"), false), checkable(QStringLiteral("Checked item"), true)});
    items->setStyleSheet(QtObjPalette::getDropMenuItemStyleSheet(menuItems));
    section->addRowCaption(0, QStringLiteral("Drop menu"));
    grid->addWidget(row({dropButton, items}), 0, 1);

    WIDGET_GLOW_LABEL glowRecord{&r.glow, &r.font, &r.padding};
    auto* glow = new QLabel(QStringLiteral("Glowing label"));
    glow->setStyleSheet(QtObjPalette::getGlowLabelStyleSheet(glowRecord));
    WIDGET_AFFIXES_LABEL affixRecord{&r.text, &r.font};
    auto* affixes =
        row({new QLabel(QStringLiteral("SOG")), new QLineEdit(QStringLiteral("12.3")), new QLabel(QStringLiteral("kn"))});
    affixes->setStyleSheet(QtObjPalette::getAffixesLabelStyleSheet(affixRecord));
    section->addRowCaption(1, QStringLiteral("Glow and affix labels"));
    grid->addWidget(row({glow, affixes}), 1, 1);

    WIDGET_TASK_BAR taskRecord{&r.text, &r.border, WG_ALIGNMENT_CENTER, &r.blue};
    auto* taskBar = new QProgressBar;
    taskBar->setValue(60);
    taskBar->setFixedWidth(300);
    taskBar->setStyleSheet(QtObjPalette::getTaskBarStyleSheet(taskRecord));
    WIDGET_COMBO_SUIT suit{&r.hovered, &r.selected};
    auto* popup = new QListWidget;
    popup->addItems({QStringLiteral("38400"), QStringLiteral("9600"), QStringLiteral("4800")});
    popup->setCurrentRow(1);
    popup->setFixedSize(160, 90);
    popup->setStyleSheet(QtObjPalette::getComboGuideStyleSheet(suit));
    section->addRowCaption(2, QStringLiteral("Task bar, combo popup"));
    grid->addWidget(row({taskBar, popup}), 2, 1);

    WIDGET_SLIDER sliderRecord{&r.sliderSize, &r.radius, &r.grooveSize, &r.line,        nullptr,
                               &r.grooveSize, &r.line,   &r.blue,       &r.page,        &r.handleSize,
                               &r.line,       &r.gradient, &r.handleMargin};
    auto* slider = new QSlider(Qt::Horizontal);
    slider->setValue(40);
    slider->setFixedWidth(300);
    slider->setStyleSheet(QtObjPalette::compSliderStyleSheet("", sliderRecord, false));
    section->addRowCaption(3, QStringLiteral("Slider"));
    grid->addWidget(slider, 3, 1);

    WIDGET_GROUP_BOX boxRecord{&r.light, &r.border, &r.boxMargin};
    auto* groupBox = new QGroupBox(QStringLiteral("Group box"));
    (new QVBoxLayout(groupBox))->addWidget(new QLabel(QStringLiteral("content")));
    groupBox->setStyleSheet(QtObjPalette::compGroupBoxStyleSheet("", boxRecord, false));
    WIDGET_GROUP_BTN buttonRecord{&r.light, &r.selected, &r.gradient, &r.border, &r.border, &r.font, &r.font,
                                  WG_ALIGNMENT_CENTER};
    auto* first = checkable(QStringLiteral("AP"), true);
    auto* second = checkable(QStringLiteral("Client"), false);
    auto* exclusive = new QButtonGroup(section);
    exclusive->addButton(first);
    exclusive->addButton(second);
    auto* buttons = row({first, second});
    buttons->setStyleSheet(QtObjPalette::compGroupButtonStyleSheet(buttonRecord));
    section->addRowCaption(4, QStringLiteral("Group box, button group"));
    grid->addWidget(row({groupBox, buttons}), 4, 1);
    return section;
}
