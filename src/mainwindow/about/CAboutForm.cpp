#include "mainwindow/about/CAboutForm.h"

#include "mainwindow/about/CAboutFormView.h"
#include "resources/LibraryColor.h"
#include "support/Singleton.h"
#include "ui_CAboutForm.h"

namespace {

// The white of the colour table, behind the form's own white top widget.
constexpr int BackgroundColorEntry = 29;

} // namespace

CAboutForm::CAboutForm(QWidget* parent)
    : WgForm(parent, Qt::FramelessWindowHint)
    , m_form(new Ui::CAboutForm)
{
    m_form->setupUi(this);
    m_dragEnable = true;
    m_view = new CAboutFormView(m_form);
    configureWgConnections();
    m_view->initUiObjDisp();
}

CAboutForm::~CAboutForm()
{
    delete m_view;
    delete m_form;
}

void CAboutForm::configureWgConnections()
{
    connect(m_form->btnWinCtrlClose, &QAbstractButton::clicked, this, &CAboutForm::onClose, Qt::UniqueConnection);
    connect(m_form->btnClose, &QAbstractButton::clicked, this, &CAboutForm::onClose, Qt::UniqueConnection);
}

void CAboutForm::initUiDisp()
{
    m_view->initUiObjDisp();
}

void CAboutForm::updateUiDisp()
{
    QColor background = Pattern::Singleton<LibraryColor>::Instance()->currentColor(BackgroundColorEntry);
    background.setAlpha(255);
    setBackgroundColor(background);
    m_view->updateUiObjPalette();
}

void CAboutForm::updateUiText(QString softwareName)
{
    m_view->updateUiObjText(softwareName);
}

void CAboutForm::showForm()
{
    showAnimation(true);
    show();
}

void CAboutForm::onClose()
{
    close();
}
