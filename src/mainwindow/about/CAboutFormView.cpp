#include "mainwindow/about/CAboutFormView.h"

#include "resources/LibraryImage.h"
#include "style/ObjPalette.h"
#include "support/Singleton.h"
#include "ui_CAboutForm.h"

#include <QObject>
#include <algorithm>
#include <vector>

namespace {

const char* const SoftwareVersion = "v2.1.1";

} // namespace

CAboutFormView::CAboutFormView(Ui::CAboutForm* form)
    : m_form(form)
{
}

void CAboutFormView::initUiObjDisp()
{
    configUiObj();
}

// The form lists the title bar as empty block, spacer, title, spacer, close button; reversed,
// the close button stands at the left edge as on the main window.
void CAboutFormView::configUiObj()
{
    QLayout* layout = m_form->wgFormBorder->layout();
    layout->setContentsMargins(0, 0, 0, 0);
    std::vector<QLayoutItem*> items;
    while (QLayoutItem* item = layout->takeAt(0))
        items.push_back(item);
    std::reverse(items.begin(), items.end());
    for (QLayoutItem* item : items)
        layout->addItem(item);
    m_form->edtAboutContent->setReadOnly(true);
}

void CAboutFormView::updateUiObjPalette()
{
    ObjPalette::setWhiteThemeWgsStyle(m_form->wgAbout, m_delegate);
    ObjPalette::setBorderTitleStyle(nullptr, m_form->lblAboutBorderTitle);
    ObjPalette::setWinCtrlIconStyle(m_form->btnWinCtrlClose, WG_COLOR_NOT_SET, ResourceImage::WG_WINCTRL_CLOSE);
    ObjPalette::setPushBtnColorToneStyle(m_form->btnClose, QString(), WG_COLOR_TONE_6);
    ObjPalette::setWidgetIconStyle(
        m_form->wgSoftwareIcon,
        QString::fromStdString(Pattern::Singleton<LibraryImage>::Instance()->getLogoIconPath(0)));
    ObjPalette::setAboutSoftwareNameLabelStyle(m_form->lblSoftwareName);
    ObjPalette::setAboutSoftwareVersionLabelStyle(m_form->lblSoftwareVersion);
}

void CAboutFormView::updateUiObjText(QString softwareName)
{
    getAboutContentText();
    m_form->lblAboutBorderTitle->setText(QObject::tr("About"));
    m_form->lblSoftwareName->setText(softwareName);
    m_form->lblSoftwareVersion->setText(QStringLiteral("%1").arg(QLatin1String(SoftwareVersion)));
    // The base notice stays out of the dialog.
    m_form->edtAboutContent->setText(m_aboutMakerText);
    m_form->edtAboutContent->append(m_aboutQtText);
    m_form->btnClose->setText(QObject::tr("Close"));
}

void CAboutFormView::getAboutContentText()
{
    m_aboutBaseText = QObject::tr("CopyrightBase");
    m_aboutMakerText = QObject::tr("CopyrightVELK");
    m_aboutQtText = QObject::tr("CopyrightQt");
}
