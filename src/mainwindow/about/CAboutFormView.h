#pragma once

#include "style/CStyledItemDelegate.h"

#include <QString>

namespace Ui {
class CAboutForm;
}

// The About dialog's layout, look and texts. Not a QObject; GUI thread only.
class CAboutFormView
{
public:
    // The form is not owned and must outlive the view.
    explicit CAboutFormView(Ui::CAboutForm* form);
    CAboutFormView(const CAboutFormView&) = delete;
    CAboutFormView& operator=(const CAboutFormView&) = delete;

    void initUiObjDisp();
    void configUiObj();
    void updateUiObjPalette();
    void updateUiObjText(QString softwareName);
    // The notices from the installed translators; a notice without one reads as its key.
    void getAboutContentText();

private:
    Ui::CAboutForm* m_form;
    CStyledItemDelegate m_delegate;
    QString m_aboutBaseText;
    QString m_aboutMakerText;
    QString m_aboutQtText;
};
