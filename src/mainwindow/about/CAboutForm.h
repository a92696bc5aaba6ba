#pragma once

#include "widgets/WgForm.h"

#include <QString>

namespace Ui {
class CAboutForm;
}
class CAboutFormView;

// The About dialog: frameless, dragged by the mouse, hidden again by either close button.
class CAboutForm : public WgForm
{
    Q_OBJECT

public:
    explicit CAboutForm(QWidget* parent);
    ~CAboutForm() override;
    CAboutForm(const CAboutForm&) = delete;
    CAboutForm& operator=(const CAboutForm&) = delete;

    void configureWgConnections();
    void initUiDisp();
    void updateUiDisp();
    // The name shown beside the logo.
    void updateUiText(QString softwareName);
    void showForm();

    Ui::CAboutForm* form() const { return m_form; }

public slots:
    void onClose();

private:
    Ui::CAboutForm* m_form;
    CAboutFormView* m_view;
};
