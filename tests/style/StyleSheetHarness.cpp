#include "StyleSheetHarness.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTextEdit>
#include <QTimeEdit>
#include <QToolButton>
#include <mutex>

namespace {

std::mutex g_mutex;
QtMessageHandler g_previous = nullptr;
QStringList g_failures;

// Qt may log from other threads (the debug log's console output goes through it too).
void recordFailures(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    QtMessageHandler previous;
    {
        std::lock_guard<std::mutex> lock(g_mutex);
        for (const QString& failure : StyleSheetHarness::failureMessages()) {
            if (message.startsWith(failure))
                g_failures << message;
        }
        previous = g_previous;
    }
    if (previous)
        previous(type, context, message);
}

QStringList takeFailures()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    QStringList failures;
    failures.swap(g_failures);
    return failures;
}

void makeChildren(QWidget* host)
{
    auto* table = new QTableView;
    auto* model = new QStandardItemModel(2, 2, table);
    model->setHorizontalHeaderLabels({QStringLiteral("A"), QStringLiteral("B")});
    table->setModel(model);
    table->setSortingEnabled(true);  // the header then draws its sort arrow

    auto* tabs = new QTabWidget;
    tabs->addTab(new QWidget, QStringLiteral("One"));
    tabs->addTab(new QWidget, QStringLiteral("Two"));

    auto* combo = new QComboBox;
    combo->addItems({QStringLiteral("one"), QStringLiteral("two")});
    auto* date = new QDateEdit;
    date->setCalendarPopup(true);  // with its drop-down arrow
    auto* push = new QPushButton(QStringLiteral("push"));
    push->setCheckable(true);
    auto* tool = new QToolButton;
    tool->setCheckable(true);
    auto* progress = new QProgressBar;
    progress->setValue(40);
    auto* groupBox = new QGroupBox(QStringLiteral("group"));
    groupBox->setCheckable(true);
    auto* horizontalLine = new QFrame;
    horizontalLine->setFrameShape(QFrame::HLine);

    const QList<QWidget*> children{new QLabel(QStringLiteral("label")),
                                   push,
                                   tool,
                                   new QSpinBox,
                                   combo,
                                   new QCheckBox(QStringLiteral("check")),
                                   new QRadioButton(QStringLiteral("radio")),
                                   new QLineEdit(QStringLiteral("line")),
                                   new QTextEdit(QStringLiteral("text")),
                                   date,
                                   new QTimeEdit,
                                   table,
                                   tabs,
                                   new QSlider(Qt::Horizontal),
                                   progress,
                                   groupBox,
                                   horizontalLine};
    auto* layout = new QGridLayout(host);
    for (int i = 0; i < children.size(); ++i) {
        QWidget* child = children.at(i);
        // "QLabel" is named "label", and so on.
        child->setObjectName(QString::fromLatin1(child->metaObject()->className()).mid(1).toLower());
        layout->addWidget(child, i / 4, i % 4);
    }
}

} // namespace

const QStringList& StyleSheetHarness::failureMessages()
{
    static const QStringList messages{
        QStringLiteral("Could not parse stylesheet"),
        // A missing image is otherwise silent.
        QStringLiteral("Could not create pixmap from"),
    };
    return messages;
}

StyleSheetHarness::StyleSheetHarness()
    : m_host(new QWidget)
{
    m_host->setObjectName(QStringLiteral("obj"));
    makeChildren(m_host.get());
    m_host->resize(640, 480);
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(Qt::darkGray);
    image.save(imagePath());

    std::lock_guard<std::mutex> lock(g_mutex);
    g_failures.clear();
    g_previous = qInstallMessageHandler(recordFailures);
}

StyleSheetHarness::~StyleSheetHarness()
{
    std::lock_guard<std::mutex> lock(g_mutex);
    qInstallMessageHandler(g_previous);
    g_previous = nullptr;
}

QWidget* StyleSheetHarness::host() const
{
    return m_host.get();
}

QList<QWidget*> StyleSheetHarness::widgets() const
{
    QList<QWidget*> all{m_host.get()};
    all += m_host->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    return all;
}

QString StyleSheetHarness::imagePath() const
{
    return m_dir.filePath(QStringLiteral("image.png"));
}

QStringList StyleSheetHarness::check(const QString& sheet)
{
    return check([&] { m_host->setStyleSheet(sheet); });
}

QStringList StyleSheetHarness::check(const std::function<void()>& apply)
{
    for (QWidget* widget : widgets())
        widget->setStyleSheet(QString());
    takeFailures();
    apply();
    m_host->grab();
    return takeFailures();
}
