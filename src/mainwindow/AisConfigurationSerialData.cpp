#include "mainwindow/AisConfiguration.h"

#include "device/CCommSpacesManage.h"
#include "mainwindow/CAisConfigurationView.h"
#include "support/Singleton.h"
#include "support/SysDebug.h"
#include "ui_AisConfiguration.h"

#include <QFile>
#include <QMessageBox>
#include <QTextBrowser>
#include <QTextCursor>

namespace {

SysDebug* Log()
{
    return Pattern::Singleton<SysDebug>::Instance();
}

} // namespace

void AisConfiguration::onEnableLogSwitch()
{
    QAbstractButton* button = m_ui->btnEnableLog;
    QTextBrowser* view = m_ui->txbwSerialRx;
    const SMsgTextResource& text = m_view->msgText();
    if (button->text() == text.startLogText) {
        button->setText(text.stopLogText);
        view->setReadOnly(true);
        view->setEnabled(false);
        msgAutoScroll(view);
    } else {
        button->setText(text.startLogText);
        view->setReadOnly(false);
        view->setEnabled(true);
    }
}

void AisConfiguration::onClearLog()
{
    m_logViewFeeder.clear();
    m_ui->txbwSerialRx->clear();
    m_serialLogBuffer.clear();
}

void AisConfiguration::onCommRxLogMsg(void* transport, QString text)
{
    // The button's text is the logging state.
    if (m_ui->btnEnableLog->text() != m_view->msgText().stopLogText)
        return;
    // Emptied whole at the cap, never trimmed.
    if (m_serialLogBuffer.size() > SerialLogCap) {
        m_serialLogBuffer.clear();
        m_logViewFeeder.clear();
        m_ui->txbwSerialRx->clear();
    }
    // Room for the whole cap at once: a flood never waits for the record to be copied as it grows.
    if (m_serialLogBuffer.isEmpty())
        m_serialLogBuffer.reserve(SerialLogCap + 1);
    // The text holds one character per received byte: back to the bytes as they came.
    m_serialLogBuffer += text.toLatin1();
    recomposeLogMsgForNewLine(&text);
    // Only the link's kind kept at its adoption is asked: the transport may be gone by now.
    if (text.isEmpty() || m_commSpaces->getDeviceComm().getLinkType(transport) != COMM::COMM_TYPE_SERIAL)
        return;
    m_logViewFeeder.append(CLogLineCutter::shown(text));
}

void AisConfiguration::showSerialText(const QString& text)
{
    m_ui->txbwSerialRx->insertPlainText(text);
    msgAutoScroll(m_ui->txbwSerialRx);
}

void AisConfiguration::recomposeLogMsgForNewLine(QString* text)
{
    m_logLineCutter.recompose(text);
}

void AisConfiguration::msgAutoScroll(QTextBrowser* view)
{
    if (!view)
        return;
    QTextCursor cursor = view->textCursor();
    cursor.movePosition(QTextCursor::End, QTextCursor::MoveAnchor);
    view->setTextCursor(cursor);
    view->ensureCursorVisible();
}

void AisConfiguration::onSaveLog()
{
    if (m_serialLogBuffer.isEmpty())
        return;
    const QString name = m_fileNameAsker->saveFileName(this, tr("Save Log File"), QStringLiteral("."),
                                                       tr("Log Files(*.txt)"));
    if (name.isEmpty())
        return;
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        reportLogNotSaved(name, file.errorString());
        return;
    }
    // Every byte as it came, zero bytes included; a full disk shows at the write, the flush or
    // the close.
    if (file.write(m_serialLogBuffer) != m_serialLogBuffer.size() || !file.flush()) {
        reportLogNotSaved(name, file.errorString());
        return;
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        reportLogNotSaved(name, file.errorString());
}

void AisConfiguration::reportLogNotSaved(const QString& name, const QString& reason)
{
    Log()->dbgPrintf(DBG_ERROR, "onSaveLog", 0, "%s not saved: %s", name.toUtf8().constData(),
                     reason.toUtf8().constData());
    const SMsgTextResource& text = m_view->msgText();
    showMsgBox(MSG_BOX_WARNING, text.warning, text.logNotSaved.arg(name, reason), QMessageBox::Ok,
               QMessageBox::NoButton);
}

void AisConfiguration::onSendCommand()
{
    Log()->dbgPrintf(DBG_CONTROL, "onSendCommand", 0, "%s", "Serial data send command clicked");
    // Whatever its length: the facade refuses, with a log line, what a package cannot carry.
    QByteArray command = m_ui->edtSendCommand->text().toLocal8Bit();
    command += "\r\n";
    m_commSpaces->sendCommand(command.constData(), command.size());
}
