#include "mainwindow/AisConfiguration.h"

#include "mainwindow/about/CAboutForm.h"

// The same dialog each time: closing it only hides it.
void AisConfiguration::onAboutClick()
{
    m_aboutForm->setModal(true);
    m_aboutForm->show();
}
