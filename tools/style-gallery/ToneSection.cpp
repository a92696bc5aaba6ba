#include "GallerySection.h"
#include "GallerySections.h"

#include "style/ObjPalette.h"
#include "style/QtObjPalette.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <functional>

namespace {

// Tone 1 writes white text: its samples stand on a dark backdrop.
const QColor DarkBackdrop(0x40, 0x40, 0x40);

struct SToneKind
{
    const char* caption;
    std::function<void(QHBoxLayout*)> fill;
    std::function<QString(WG_COLOR_TONE_S)> sheet;
};

QPushButton* checkedButton(const QString& text)
{
    auto* button = new QPushButton(text);
    button->setCheckable(true);
    button->setChecked(true);
    return button;
}

QList<SToneKind> kinds()
{
    return {
        {"Label", [](QHBoxLayout* l) { l->addWidget(new QLabel(QStringLiteral("Label text"))); },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compLabelColorToneStyle("", t, false); }},
        {"Push button",
         [](QHBoxLayout* l) {
             l->addWidget(new QPushButton(QStringLiteral("Normal")));
             l->addWidget(checkedButton(QStringLiteral("Checked")));
         },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compPushButtonColorToneStyle("", t, false, 5); }},
        {"Spin box",
         [](QHBoxLayout* l) {
             auto* spin = new QSpinBox;
             spin->setValue(42);
             l->addWidget(spin);
             auto* disabled = new QSpinBox;
             disabled->setEnabled(false);
             l->addWidget(disabled);
         },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compSpinBoxColorToneStyle("", t, false, false); }},
        {"Combo box",
         [](QHBoxLayout* l) {
             auto* combo = new QComboBox;
             combo->addItems({QStringLiteral("38400"), QStringLiteral("9600")});
             l->addWidget(combo);
         },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compComboBoxColorToneStyle("", t, false, 1); }},
        {"Check box",
         [](QHBoxLayout* l) {
             auto* on = new QCheckBox(QStringLiteral("On"));
             on->setChecked(true);
             l->addWidget(on);
             l->addWidget(new QCheckBox(QStringLiteral("Off")));
         },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compCheckBoxColorToneStyle("", t, false); }},
        {"Line edit",
         [](QHBoxLayout* l) {
             l->addWidget(new QLineEdit(QStringLiteral("MMSI")));
             auto* readOnly = new QLineEdit(QStringLiteral("read-only"));
             readOnly->setReadOnly(true);
             l->addWidget(readOnly);
         },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compEditColorToneStyle("", t, false, "QLineEdit"); }},
        {"Date edit",
         [](QHBoxLayout* l) {
             auto* date = new QDateEdit(QDate(2024, 5, 17));
             date->setCalendarPopup(true);
             l->addWidget(date);
         },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compEditColorToneStyle("", t, false, "QDateEdit"); }},
        {"Radio button",
         [](QHBoxLayout* l) {
             auto* on = new QRadioButton(QStringLiteral("A"));
             on->setChecked(true);
             l->addWidget(on);
             l->addWidget(new QRadioButton(QStringLiteral("B")));
         },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compRadioBtnColorToneStyle("", t, false); }},
        {"Vertical line",
         [](QHBoxLayout* l) {
             l->addWidget(new QLabel(QStringLiteral("left")));
             auto* line = new QFrame;
             line->setFrameShape(QFrame::VLine);
             l->addWidget(line);
             l->addWidget(new QLabel(QStringLiteral("right")));
         },
         [](WG_COLOR_TONE_S t) {
             return ObjPalette::compLineColorToneStyle("", t, false, WG_LINE_DIRECTION_VERTICAL);
         }},
        {"Corner shape", [](QHBoxLayout* l) { l->addWidget(new QLabel(QStringLiteral("Panel title"))); },
         [](WG_COLOR_TONE_S t) { return ObjPalette::compCornerShapeColorToneStyle("", t, false, true); }},
    };
}

} // namespace

GallerySection* makeToneSection(int first, int last)
{
    const QString title = QStringLiteral("Widget kinds in the colour tones %1 to %2").arg(first).arg(last);
    auto* section = new GallerySection(QStringLiteral("tones-%1-%2").arg(first).arg(last), title);
    QGridLayout* grid = section->grid();
    for (int tone = first; tone <= last; ++tone)
        grid->addWidget(new QLabel(QStringLiteral("Tone %1").arg(tone)), 0, tone - first + 1);
    int row = 1;
    for (const SToneKind& kind : kinds()) {
        section->addRowCaption(row, QString::fromLatin1(kind.caption));
        for (int tone = first; tone <= last; ++tone) {
            auto* cell = new QWidget;
            kind.fill(new QHBoxLayout(cell));
            if (tone == WG_COLOR_TONE_1)
                QtObjPalette::setWidgetBackground(cell, DarkBackdrop, false);
            cell->setStyleSheet(kind.sheet(WG_COLOR_TONE_S(tone)));
            grid->addWidget(cell, row, tone - first + 1);
        }
        ++row;
    }
    return section;
}
