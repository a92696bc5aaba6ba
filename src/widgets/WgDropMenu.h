#pragma once

#include <QPushButton>
#include <vector>

class WgBox;

// A push button that opens a list of checkable choices above itself. The list is a frameless
// window of its own; choosing item i shows its text on the button and emits
// signalMenuItemClick(i).
class WgDropMenu : public QPushButton
{
    Q_OBJECT

public:
    // Items are named menu0, menu1, ...; a width or height of 0 leaves that size free.
    WgDropMenu(int count, int width, int height, QWidget* parent);
    ~WgDropMenu() override;

    // Opens the list without signalMenuUpdate().
    void menuDrop();
    void menuCollect();
    bool isMenuDrop() const;
    void refresh();
    // The button shows item i's text and item i is checked.
    void setMenuItem(int index);
    void visibleAllMenuItem();
    void hideAllMenuItem();

signals:
    void signalMenuItemClick(int index);
    // Emitted before the list opens, so the items can be brought up to date.
    void signalMenuUpdate();

public slots:
    void onClick();
    void onMenuFocusOut();
    void onMenuItemClick(int index);

protected:
    bool event(QEvent* event) override;

private:
    void initial(int count, int width, int height);
    void setStyleSheetDefault();
    // A tool-tip window never takes the focus, so it never loses it either: the list closes
    // instead when the focus moves anywhere but to the button or into the list.
    void onApplicationFocusChanged(QWidget* old, QWidget* now);

    WgBox* m_menu;
    QMetaObject::Connection m_focusWatch;
    std::vector<QPushButton*> m_items;  // children of the menu
};
