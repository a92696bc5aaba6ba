#include "widgets/WgDropMenu.h"

#include "style/QtObjPalette.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"
#include "widgets/WgBox.h"

#include <QApplication>
#include <QButtonGroup>
#include <QEvent>
#include <QVBoxLayout>

namespace {

constexpr uint32_t NotSet = WG_COLOR_NOT_SET;

// White on a gray gradient with a thin dark-gray frame.
QString buttonStyleSheet()
{
    SWidgetColor color{0xFFFFFF, 0x000000, NotSet, NotSet, NotSet};
    SWidgetGradientColor gradient{0, 0, 0, 1, 2, {0.0f, 1.0f}, {0x808080, 0x505050}};
    WIDGET_BORDER_LINE line{1, WG_BORDER_EDGE_SOLID, 0xA9A9A9};
    WIDGET_BORDER_RADIUS radius{0, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET, WG_LENGTH_NOT_SET};
    WIDGET_BORDER border{&line, &radius};
    WIDGET_BORDER_LINE outline{0, WG_BORDER_EDGE_NOT_SET, NotSet};
    WIDGET_FOCUS focus{&outline};
    WIDGET_DROP_MENU_BTN style{&color, &gradient, &border, &focus, QString()};
    return QtObjPalette::getDropMenuBtnStyleSheet(style);
}

// Dark on light gray, white on gray when checked and on blue under the pointer.
QString itemStyleSheet()
{
    SWidgetColor normal{0x282828, 0xC0C0C0, NotSet, NotSet, NotSet};
    SWidgetColor checked{0xFFFFFF, 0x808080, NotSet, NotSet, NotSet};
    SWidgetColor hovered{0xFFFFFF, 0x6495ED, NotSet, NotSet, NotSet};
    WIDGET_FONT font{WG_LENGTH_NOT_SET, 7, "arial"};
    WIDGET_BORDER_LINE line{0, WG_BORDER_EDGE_SOLID, 0x505050};
    WIDGET_DROP_MENU_ITEM style{&normal, &checked, &hovered, &hovered, &font, &line};
    return QtObjPalette::getDropMenuItemStyleSheet(style);
}

} // namespace

WgDropMenu::WgDropMenu(int count, int width, int height, QWidget* parent)
    : QPushButton(parent)
    , m_menu(new WgBox(nullptr, 0, 1.0, false))
{
    // A tool-tip window opens without taking the activation from the window under it.
    m_menu->setWindowFlags((m_menu->windowFlags() & ~Qt::WindowType_Mask) | Qt::ToolTip);
    setCursor(Qt::PointingHandCursor);
    initial(count, width, height);
    connect(this, &QPushButton::clicked, this, &WgDropMenu::onClick);
    connect(m_menu, &WgBox::signalFocusOut, this, &WgDropMenu::onMenuFocusOut);
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &WgDropMenu::onApplicationFocusChanged);
    setStyleSheetDefault();
}

WgDropMenu::~WgDropMenu()
{
    disconnect();
    disconnect(m_focusWatch);  // the list's deletion may move the focus
    delete m_menu;             // with its items
}

void WgDropMenu::initial(int count, int width, int height)
{
    auto* layout = new QVBoxLayout(m_menu);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    auto* group = new QButtonGroup(m_menu);
    group->setExclusive(true);
    for (int i = 0; i < count; ++i) {
        auto* item = new QPushButton(m_menu);
        item->setObjectName(QString("menu%1").arg(i));
        if (width != 0)
            item->setFixedWidth(width);
        if (height != 0)
            item->setFixedHeight(height);
        connect(item, &QPushButton::clicked, this, [this, i] { onMenuItemClick(i); });
        item->setCheckable(true);
        item->setCursor(Qt::PointingHandCursor);
        group->addButton(item);
        layout->addWidget(item);
        m_items.push_back(item);
    }
}

void WgDropMenu::onClick()
{
    if (isMenuDrop()) {
        menuCollect();
        return;
    }
    emit signalMenuUpdate();
    menuDrop();
}

void WgDropMenu::menuDrop()
{
    m_menu->adjustSize();
    const QPoint corner = mapToGlobal(QPoint(0, 0));
    m_menu->move(corner.x() - 1, corner.y() - m_menu->height());
    m_menu->show();
    m_menu->setFocus(Qt::OtherFocusReason);
}

void WgDropMenu::menuCollect()
{
    m_menu->hide();
}

bool WgDropMenu::isMenuDrop() const
{
    return m_menu->isVisible();
}

void WgDropMenu::refresh()
{
    m_menu->adjustSize();
}

void WgDropMenu::onMenuFocusOut()
{
    if (isMenuDrop())
        menuCollect();
}

void WgDropMenu::onApplicationFocusChanged(QWidget*, QWidget* now)
{
    if (now == this || (now && (now == m_menu || m_menu->isAncestorOf(now))))
        return;
    onMenuFocusOut();
}

void WgDropMenu::onMenuItemClick(int index)
{
    setMenuItem(index);
    emit signalMenuItemClick(index);
}

void WgDropMenu::setMenuItem(int index)
{
    if (index < 0 || index >= int(m_items.size())) {
        Pattern::Singleton<SysDebug>::Instance()->dbgPrintf(DBG_WARNING, "WgDropMenu::setMenuItem", 0,
                                                            "Menu item %d is outside the %d items", index,
                                                            int(m_items.size()));
        return;
    }
    QPushButton* item = m_items[size_t(index)];
    setText(item->text());
    item->setChecked(true);
}

void WgDropMenu::visibleAllMenuItem()
{
    for (QPushButton* item : m_items)
        item->show();
}

void WgDropMenu::hideAllMenuItem()
{
    for (QPushButton* item : m_items)
        item->hide();
}

bool WgDropMenu::event(QEvent* event)
{
    if (event->type() == QEvent::Hide || event->type() == QEvent::Close)
        m_menu->hide();
    return QPushButton::event(event);
}

void WgDropMenu::setStyleSheetDefault()
{
    setStyleSheet(buttonStyleSheet());
    m_menu->setStyleSheet(itemStyleSheet());
}
