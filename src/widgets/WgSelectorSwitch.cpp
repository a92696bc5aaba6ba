#include "widgets/WgSelectorSwitch.h"

#include "style/QtObjPalette.h"
#include "widgets/WgLabel.h"

#include <QHBoxLayout>
#include <QPushButton>

WgSelectorSwitch::WgSelectorSwitch(QWidget* parent)
    : QFrame(parent)
    , m_layout(new QHBoxLayout)
    , m_button(new QPushButton)
    , m_caption(new WgLabel(nullptr))
{
    setSwitchStyleScriptDefault(true);
    setSwitchStyleScriptDefault(false);
    connect(m_button, &QPushButton::clicked, this, &WgSelectorSwitch::onTrigger);
    connect(m_caption, &WgLabel::signalClicked, this, &WgSelectorSwitch::onTrigger);

    setContentsMargins(0, 0, 0, 0);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    m_button->setFixedWidth(18);
    m_button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    m_button->setCursor(Qt::PointingHandCursor);

    m_caption->setAlignment(Qt::AlignCenter);
    m_caption->setContentsMargins(6, 0, 6, 0);
    m_caption->setCursor(Qt::PointingHandCursor);

    setSwitch(false, false);
}

WgSelectorSwitch::~WgSelectorSwitch()
{
    delete m_caption;
    delete m_button;
    delete m_layout;
}

void WgSelectorSwitch::setSwitch(bool toggle, bool notify)
{
    if (toggle)
        m_active = !m_active;
    switchBtnLayout();
    setStyleSheet(m_active ? m_onStyleSheet : m_offStyleSheet);
    if (layout() != m_layout)
        setLayout(m_layout);
    if (notify)
        emit signalClick();
}

void WgSelectorSwitch::onTrigger()
{
    setSwitch(true, true);
}

void WgSelectorSwitch::setActive(bool on)
{
    setSwitch(on != m_active, false);
}

void WgSelectorSwitch::refresh()
{
    setSwitch(false, false);
}

void WgSelectorSwitch::setCaption(QString offText, QString onText)
{
    m_offCaption = offText;
    m_onCaption = onText;
    setSwitch(false, false);
}

void WgSelectorSwitch::setSwitchStyleScript(bool on, WIDGET_SELECTOR_SWITCH& style)
{
    (on ? m_onStyleSheet : m_offStyleSheet) = QtObjPalette::getSelectorSwitchStyleSheet(style);
}

void WgSelectorSwitch::setOnStyleScript(QString sheet)
{
    m_onStyleSheet = sheet;
}

void WgSelectorSwitch::setOffStyleScript(QString sheet)
{
    m_offStyleSheet = sheet;
}

void WgSelectorSwitch::clearStyleScript()
{
    m_onStyleSheet.clear();
    m_offStyleSheet.clear();
}

void WgSelectorSwitch::setSwitchBtnSide(SELECTOR_SWITCH_SIDE side)
{
    m_side = side;
}

void WgSelectorSwitch::setSwitchBtnText(QString text)
{
    m_button->setText(text);
}

void WgSelectorSwitch::setSwitchBtnVisible(bool visible)
{
    m_button->setVisible(visible);
}

void WgSelectorSwitch::setSwitchStyleScriptDefault(bool on)
{
    constexpr uint32_t NotSet = WG_COLOR_NOT_SET;
    SWidgetColor frame{on ? 0x0000FFu : 0x000000u, on ? 0xFFFFFFu : 0xA9A9A9u, NotSet, NotSet, NotSet};
    SWidgetColor disabled{0x808080, 0xFFFBF0, NotSet, NotSet, NotSet};
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0x000000};
    WIDGET_BORDER_RADIUS radius{3, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET};
    WIDGET_BORDER border{&line, &radius};
    WIDGET_FONT font{WG_LENGTH_NOT_SET, 7, "arial"};
    SWidgetColor knob{0xFFFFFF, on ? 0x1E90FFu : 0x333333u, NotSet, NotSet, NotSet};
    WIDGET_SELECTOR_SWITCH style{&frame, &disabled, &border, &font, &knob};
    setSwitchStyleScript(on, style);
}

void WgSelectorSwitch::switchBtnLayout()
{
    bool knobFirst;
    switch (m_side) {
    case SELECTOR_SWITCH_KNOB_LEFT_WHEN_OFF:
        knobFirst = !m_active;
        break;
    case SELECTOR_SWITCH_KNOB_RIGHT_WHEN_OFF:
        knobFirst = m_active;
        break;
    default:
        updateCaption();
        return;
    }
    m_layout->removeWidget(m_button);
    m_layout->removeWidget(m_caption);
    m_layout->addWidget(knobFirst ? static_cast<QWidget*>(m_button) : m_caption);
    m_layout->addWidget(knobFirst ? static_cast<QWidget*>(m_caption) : m_button);
    updateCaption();
}

void WgSelectorSwitch::updateCaption()
{
    m_caption->setText(m_active ? m_onCaption : m_offCaption);
}
