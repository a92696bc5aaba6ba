#include "widgets/WgGlowLabel.h"

#include "style/QtObjPalette.h"
#include "widgets/ObjGlowGraphEffect.h"
#include "widgets/WgLabel.h"

#include <QHBoxLayout>

WgGlowLabel::WgGlowLabel(QWidget* parent)
    : QWidget(parent)
    , m_caption(new WgLabel(this))
    , m_glow(new ObjGlowGraphEffect(m_caption))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_caption);
    connect(m_caption, &WgLabel::signalClicked, this, &WgGlowLabel::onClicked);
    setGlowEffect(16, 0xFF0000);
    setStyleSheetDefault();
}

void WgGlowLabel::setGlowEffect(int radius, uint color)
{
    m_glow->setRadius(radius);
    m_glow->setGlowColor(QColor(QRgb(color)));
    m_caption->setGraphicsEffect(m_glow);  // the caption takes ownership
}

void WgGlowLabel::setLabelText(QString text)
{
    m_caption->setText(text);
}

void WgGlowLabel::onClicked()
{
    emit clicked();
}

void WgGlowLabel::mousePressEvent(QMouseEvent*)
{
    emit clicked();
}

void WgGlowLabel::setStyleSheetDefault()
{
    constexpr uint32_t NotSet = WG_COLOR_NOT_SET;
    SWidgetColor color{0xFFFF00, NotSet, NotSet, NotSet, NotSet};
    WIDGET_FONT font{20, 9, "arial"};
    WIDGET_PADDING padding{10, WG_LENGTH_NOT_SET, 10, WG_LENGTH_NOT_SET};
    WIDGET_GLOW_LABEL style{&color, &font, &padding};
    setStyleSheet(QtObjPalette::getGlowLabelStyleSheet(style));
}
